#include "engine/generationrun.h"

#include "engine/cellplacement.h"
#include "engine/colorclassifier.h"
#include "platform/numbers.h"

#include <array>
#include <optional>

namespace tessaly {

namespace {

constexpr Color FrameColor = 0;

// A counting loop's end and step, fixed when the loop starts. Positions are
// 64-bit, so stepping past the end can never overflow.
struct CountingRange
{
    std::int64_t end = 0;
    std::int64_t step = 0;

    // With a step of 0 or more the loop goes on while the position is at
    // most the end, with a negative step while it is at least the end.
    bool continuesAt(std::int64_t position) const
    {
        return step >= 0 ? position <= end : position >= end;
    }

    // How many positions the loop passes through; the step is never 0.
    std::int64_t positions() const
    {
        if (!continuesAt(0))
            return 0;
        return end / step + 1;
    }
};

// The range that samples a picture dimension of the given size with a count:
// end at the size, step the size divided by the count. Empty when the count
// reads as 0, when either does not fit a 32-bit whole number, or when the
// step comes out as 0, which would never move.
std::optional<CountingRange> samplingRange(double size, double count)
{
    if (count == 0)
        return std::nullopt;
    const auto end = toInt32(size);
    const auto step = toInt32(size / count);
    if (!end || !step || *step == 0)
        return std::nullopt;
    return CountingRange{*end, *step};
}

// Step 4 of a run: counts are compared with the picture in single precision;
// equal passes, and so do 0 and negative counts.
bool countsExceedPicture(const MosaicHost &host)
{
    const float width = toSingle(host.sourceScaleWidth());
    const float height = toSingle(host.sourceScaleHeight());
    const bool columnsExceed = toSingle(host.columnValue()) > width;
    const bool rowsExceed = toSingle(host.rowValue()) > height;
    return columnsExceed || rowsExceed;
}

// What an accepted run fixes at its start.
struct RunPlan
{
    std::int16_t scaleDivisor = 1;
    CountingRange rows;
};

// The larger count sets the scale: every started hundred above 100 halves,
// thirds, ... the cells. Empty when the counts cannot drive a run (a count
// of 0, out of range, or a step of 0); the first row's columns are checked
// too, so such a run is refused before anything changes.
std::optional<RunPlan> planRun(const MosaicHost &host)
{
    const auto rowCount = toInt16(host.rowValue());
    if (!rowCount)
        return std::nullopt;
    std::int16_t largerCount = *rowCount;
    if (host.columnValue() > *rowCount) {
        const auto columnCount = toInt16(host.columnValue());
        if (!columnCount)
            return std::nullopt;
        largerCount = *columnCount;
    }

    RunPlan plan;
    if (largerCount > 100)
        plan.scaleDivisor = static_cast<std::int16_t>(wholePart(largerCount / 100.0) + 1);

    const auto rows = samplingRange(host.sourceScaleHeight(), host.rowValue());
    const auto firstColumns = samplingRange(host.sourceScaleWidth(), host.columnValue());
    if (!rows || !firstColumns)
        return std::nullopt;
    plan.rows = *rows;
    return plan;
}

Tolerances readTolerances(const MosaicHost &host)
{
    Tolerances tolerances;
    for (std::size_t field = 0; field < tolerances.size(); ++field)
        tolerances[field] = toInt32(host.toleranceValue(int(field)));
    return tolerances;
}

// The palette's colours as the canvas's pixels store them.
std::array<std::uint32_t, 7> palettePixels(const Palette &palette)
{
    std::array<std::uint32_t, 7> pixels{};
    for (std::size_t index = 0; index < palette.size(); ++index)
        pixels[index] = PixelCanvas::pixelOf(palette[index]);
    return pixels;
}

// One accepted run, from disabling the count fields to enabling them again.
//
// Between two yields that handled events nothing the run looks at can
// change: not the tolerance texts, the source picture, the canvas nor the
// scale divisor (only a nested run sets it). So the run works out what it
// needs of them once after every such yield: the classifier with the
// tolerances' bounds, the host's pixels where it has them, and where cells
// fall on the canvas.
class MosaicRun
{
public:
    MosaicRun(MosaicHost &host, const Palette &palette, std::int16_t &scaleDivisor)
        : m_host(host), m_palette(palette), m_palettePixels(palettePixels(palette)),
          m_scaleDivisor(scaleDivisor), m_classifier(readTolerances(host))
    {
    }

    void run(const CountingRange &rows)
    {
        m_host.setCountFieldsEnabled(false);
        lookAtHost();
        std::int32_t j = 0;
        for (std::int64_t y = 0; rows.continuesAt(y); y += rows.step) {
            if (!yield())
                return;
            // The picture and the column count may have changed in any yield.
            const auto columns = samplingRange(m_host.sourceScaleWidth(), m_host.columnValue());
            if (!columns) {
                endWithError(RunMessage::CountsInvalid);
                return;
            }
            if (!runRow(*columns, y, j))
                return;
            ++j;
        }
        m_host.setCountFieldsEnabled(true);
    }

private:
    // Returns false when the run has ended inside the row.
    bool runRow(const CountingRange &columns, std::int64_t y, std::int32_t j)
    {
        m_rowCells = columns.positions();
        if (m_canvas)
            m_placement.coverColumns(m_rowCells);
        const bool rowEndsBlocks = j % 3 == 0 && j > 0;
        std::int32_t i = 0;
        int columnInBlock = 0; // i % 3
        for (std::int64_t x = 0; columns.continuesAt(x); x += columns.step) {
            const Color sample = sampleAt(float(x), float(y));
            const auto paletteIndex = m_classifier.classify(sample & 0xFF, (sample >> 8) & 0xFF, (sample >> 16) & 0xFF);
            if (!paletteIndex) {
                endWithError(RunMessage::ToleranceInvalid);
                return false;
            }
            m_host.cellClassified(i, j, *paletteIndex);
            drawCell(i, j, *paletteIndex, rowEndsBlocks && columnInBlock == 0 && i > 0);
            ++i;
            columnInBlock = columnInBlock == 2 ? 0 : columnInBlock + 1;
            if (!yield())
                return false;
        }
        return true;
    }

    Color sampleAt(float x, float y) const
    {
        return m_source ? m_source->point(x, y) : m_host.sourcePoint(x, y);
    }

    // A 4-pixel cell at (4i + 8, 4j + 8); after a cell that ends a block (its
    // column and row both non-zero multiples of 3), a black frame round the
    // 3x3 block that ends just before it. All divided by the scale divisor,
    // which a nested run may have changed.
    void drawCell(std::int32_t i, std::int32_t j, std::int16_t paletteIndex, bool endsBlock)
    {
        if (m_canvas) {
            const AxisPlacement &column = m_placement.column(i);
            const AxisPlacement &row = m_placement.row(j);
            if (column.cell && row.cell)
                m_canvas->fill(*column.cell, *row.cell, m_palettePixels[std::size_t(paletteIndex)]);
            if (endsBlock)
                m_canvas->drawOutline(column.frame, row.frame, FramePixel);
            return;
        }
        const AxisCorners cellX = cellCorners(i, m_scaleDivisor);
        const AxisCorners cellY = cellCorners(j, m_scaleDivisor);
        m_host.fillBox(cellX.low, cellY.low, cellX.high, cellY.high, m_palette[std::size_t(paletteIndex)]);
        if (endsBlock) {
            const AxisCorners frameX = frameCorners(i, m_scaleDivisor);
            const AxisCorners frameY = frameCorners(j, m_scaleDivisor);
            m_host.drawBox(frameX.low, frameY.low, frameX.high, frameY.high, FrameColor);
        }
    }

    // DoEvents. Returns false when the window has gone: the run must end
    // without touching it.
    bool yield()
    {
        if (!m_host.doEvents())
            return true;
        if (m_host.isClosed())
            return false;
        m_classifier = ColorClassifier(readTolerances(m_host));
        lookAtHost();
        return true;
    }

    // The host's pixels as they are now, and where cells fall on the canvas.
    void lookAtHost()
    {
        m_source = m_host.sourcePixels();
        m_canvas = m_host.canvasPixels();
        if (!m_canvas)
            return;
        if (!m_placement.suits(m_scaleDivisor, m_canvas->width(), m_canvas->height()))
            m_placement = CellPlacement(m_scaleDivisor, m_canvas->width(), m_canvas->height());
        m_placement.coverColumns(m_rowCells);
    }

    void endWithError(const char *message)
    {
        m_host.showError(message);
        if (!m_host.isClosed())
            m_host.setCountFieldsEnabled(true);
    }

    static constexpr std::uint32_t FramePixel = PixelCanvas::pixelOf(FrameColor);

    MosaicHost &m_host;
    const Palette &m_palette;
    const std::array<std::uint32_t, 7> m_palettePixels;
    const std::int16_t &m_scaleDivisor;
    ColorClassifier m_classifier;
    std::optional<PixelView> m_source;
    std::optional<PixelCanvas> m_canvas;
    CellPlacement m_placement;
    // The cells of the row being drawn.
    std::int64_t m_rowCells = 0;
};

} // namespace

void generateMosaic(MosaicHost &host, const Palette &palette, std::int16_t &scaleDivisor)
{
    host.clearCanvas();
    scaleDivisor = 1;
    if (countsExceedPicture(host)) {
        host.showError(RunMessage::CountsExceedPicture);
        return;
    }
    const auto plan = planRun(host);
    if (!plan) {
        host.showError(RunMessage::CountsInvalid);
        return;
    }
    scaleDivisor = plan->scaleDivisor;
    MosaicRun(host, palette, scaleDivisor).run(plan->rows);
}

} // namespace tessaly
