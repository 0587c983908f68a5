#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

namespace tessaly::pattern {

// A rectangle of values, one per cell of a wall: rows top to bottom, each
// row left to right, x and y counted from 0.
template <typename T>
class Grid
{
public:
    Grid() = default;
    Grid(int width, int height, const T &value = T())
        : m_width(width)
        , m_height(height)
        , m_values(std::size_t(width) * std::size_t(height), value)
    {
        assert(width >= 0 && height >= 0);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    std::size_t size() const { return m_values.size(); }
    bool isEmpty() const { return m_values.empty(); }

    T &at(int x, int y) { return m_values[index(x, y)]; }
    const T &at(int x, int y) const { return m_values[index(x, y)]; }

    std::vector<T> &values() { return m_values; }
    const std::vector<T> &values() const { return m_values; }

    bool operator==(const Grid &) const = default;

private:
    std::size_t index(int x, int y) const
    {
        assert(x >= 0 && x < m_width && y >= 0 && y < m_height);
        return std::size_t(y) * std::size_t(m_width) + std::size_t(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<T> m_values;
};

} // namespace tessaly::pattern
