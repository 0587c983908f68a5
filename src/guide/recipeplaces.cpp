#include "guide/recipeplaces.h"

#include "guide/buildrecipes.h"
#include "guide/wallplan.h"

namespace tessaly {

namespace {

constexpr const char *Dash = "\u2013"; // en dash between the ends of a range

std::string range(int first, int last)
{
    std::string text = std::to_string(first);
    if (last != first)
        text.append(Dash).append(std::to_string(last));
    return text;
}

// "B3: ...": a block's group, numbered from 1.
std::string group(const std::string &blocks, const std::string &cards)
{
    std::string text = "B";
    text.append(blocks).append(": ").append(cards);
    return text;
}

// "1–3, 7, 9, 10" for cards numbered from 1, ascending.
std::string cardList(const std::vector<int> &cards)
{
    std::string text;
    const auto append = [&](const std::string &part) {
        if (!text.empty())
            text += ", ";
        text += part;
    };
    for (std::size_t first = 0; first < cards.size();) {
        std::size_t last = first;
        while (last + 1 < cards.size() && cards[last + 1] == cards[last] + 1)
            ++last;
        if (last - first >= 2) {
            append(range(cards[first], cards[last]));
        } else {
            for (std::size_t card = first; card <= last; ++card)
                append(std::to_string(cards[card]));
        }
        first = last + 1;
    }
    return text;
}

} // namespace

std::vector<std::string> recipePlaces(const Recipe &recipe, const WallPlan &plan)
{
    std::vector<std::string> groups;
    int wholeFirst = -1; // a run of blocks the recipe fills, from 1; -1 for none
    int wholeLast = -1;
    const auto endWholeRun = [&] {
        if (wholeFirst > 0)
            groups.push_back(group(range(wholeFirst, wholeLast), "all"));
        wholeFirst = wholeLast = -1;
    };

    for (std::size_t at = 0; at < recipe.cubes.size();) {
        const int block = recipe.cubes[at].block;
        std::vector<int> cards;
        for (; at < recipe.cubes.size() && recipe.cubes[at].block == block; ++at)
            cards.push_back(recipe.cubes[at].card + 1);

        const int number = block + 1;
        if (std::int64_t(cards.size()) == plan.blocks[std::size_t(block)].cubes.count()) {
            if (wholeFirst > 0 && number == wholeLast + 1) {
                wholeLast = number;
            } else {
                endWholeRun();
                wholeFirst = wholeLast = number;
            }
            continue;
        }
        endWholeRun();
        groups.push_back(group(std::to_string(number), cardList(cards)));
    }
    endWholeRun();
    return groups;
}

} // namespace tessaly
