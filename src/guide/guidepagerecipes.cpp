#include "guide/guidepagerecipes.h"

#include "guide/buildrecipes.h"
#include "guide/guidepagecontext.h"
#include "guide/guidepagefigures.h"
#include "guide/guidepageframe.h"
#include "guide/guidepagetext.h"
#include "guide/recipeplaces.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace tessaly {

namespace {

constexpr qreal BandHeight = 92;   // title, how-to text and column heads
constexpr qreal HeadsHeight = 12;  // the column heads at the band's foot
constexpr qreal Padding = 5;       // above and below an entry's contents
constexpr qreal Gap = 8;           // between columns
constexpr qreal NumberWidth = 26;
constexpr qreal FaceSticker = 12;
constexpr qreal FaceSize = 3 * FaceSticker;
constexpr qreal GripWidth = 78;
constexpr qreal MovesWidth = 146;
constexpr qreal CountWidth = 46;
constexpr qreal LineHeight = 12;   // grip, turns and moves
constexpr qreal PlaceLineHeight = 10.5;
constexpr int PlaceFontSize = PageLayout::SmallFontSize + 1;
constexpr int MovesFontSize = 10;
constexpr int StickerLetterSize = 7;
// A list of places split over pages keeps at least this many lines together.
constexpr int MinLinesOnAPage = 3;

// Where an entry's columns start across the page.
struct EntryColumns
{
    qreal number;
    qreal face;
    qreal grip;
    qreal moves;
    qreal count;
    qreal places;
    qreal placesWidth;
};

EntryColumns columnsIn(const QRectF &body)
{
    EntryColumns columns{};
    columns.number = body.left();
    columns.face = columns.number + NumberWidth;
    columns.grip = columns.face + FaceSize + Gap;
    columns.moves = columns.grip + GripWidth + Gap;
    columns.count = columns.moves + MovesWidth + Gap;
    columns.places = columns.count + CountWidth + Gap;
    columns.placesWidth = body.right() - columns.places;
    return columns;
}

QStringList movesLines(const Recipe &recipe, const GuidePageFonts &fonts)
{
    const QString moves = recipe.twists ? QString::fromStdString(recipe.twists->moves) : QString();
    return wrappedAtSpaces(moves, QFontMetricsF(fonts.moves(MovesFontSize)), MovesWidth);
}

// The height of an entry's face, grip, moves and count.
qreal headHeight(const Recipe &recipe, const GuidePageFonts &fonts)
{
    const qreal moves = LineHeight * (1 + movesLines(recipe, fonts).size());
    return std::max({FaceSize, 2 * LineHeight, moves});
}

qreal partHeight(qreal head, int placeLineCount)
{
    return std::max(head, placeLineCount * PlaceLineHeight) + 2 * Padding;
}

void drawBand(QPainter &painter, const GuidePageContext &context, int recipePage, const EntryColumns &columns)
{
    const QRectF body = context.layout.body;
    painter.setFont(context.fonts.text(PageLayout::TitleFontSize, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(body.left(), body.top(), body.width(), 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("配方 Recipes %1 / %2").arg(recipePage + 1).arg(context.plan.recipePages));

    const QString howTo =
        QStringLiteral("同一配方的魔方正面相同、转法相同：一次全部转好，再按区块页装上。只列出需要转动的配方，另有 %1 "
                       "个魔方无需转动。\n"
                       "Every cube of a recipe shows the same face and takes the same twists: make them all in one "
                       "go, then mount them by their block pages. Only recipes with turns are listed; %1 more cubes "
                       "need none. Where: “B3: 1–3, 7” is 区块 block 3, 卡片 cards 1 to 3 and 7, numbered on the "
                       "block's page row by row in build order.")
            .arg(countText(context.guide.figures.cubesWithoutTurns));
    painter.setFont(context.fonts.text(PageLayout::SmallFontSize + 1));
    painter.setPen(RuleColour);
    painter.drawText(QRectF(body.left(), body.top() + 25, body.width(), BandHeight - 25 - HeadsHeight - 4),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, howTo);

    painter.setFont(context.fonts.text(PageLayout::SmallFontSize));
    const qreal headsTop = body.top() + BandHeight - HeadsHeight;
    const auto head = [&](qreal left, qreal width, const QString &text) {
        painter.drawText(QRectF(left, headsTop, width, HeadsHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    head(columns.number, NumberWidth, QStringLiteral("#"));
    head(columns.face, FaceSize + Gap, QStringLiteral("正面 Face"));
    head(columns.grip, GripWidth, QStringLiteral("握法 Grip"));
    head(columns.moves, MovesWidth, QStringLiteral("转动 Twists"));
    head(columns.count, CountWidth, QStringLiteral("数量 Cubes"));
    head(columns.places, columns.placesWidth, QStringLiteral("位置 Where"));
}

void drawSmallFace(QPainter &painter, const GuidePageContext &context, const CubeFace &face, const QRectF &square)
{
    for (int place = 0; place < 9; ++place) {
        const QRectF rect(square.left() + (place % 3) * FaceSticker, square.top() + (place / 3) * FaceSticker,
                          FaceSticker, FaceSticker);
        drawSticker(painter, rect, face[std::size_t(place)], context.fills, context.fonts, StickerLetterSize);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square);
}

// "■ 前 绿 Green": a swatch, the side, the colour's name.
void drawGripLine(QPainter &painter, const GuidePageContext &context, const QString &side, cube::Colour colour,
                  QPointF topLeft)
{
    const qreal swatch = 8;
    drawSwatch(painter, QRectF(topLeft.x(), topLeft.y() + (LineHeight - swatch) / 2, swatch, swatch),
               cubeColourFill(colour));
    painter.setFont(context.fonts.text(PageLayout::SmallFontSize));
    painter.setPen(RuleColour);
    painter.drawText(QRectF(topLeft.x() + swatch + 3, topLeft.y(), 16, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     side);
    painter.setFont(context.fonts.text(PageLayout::SmallFontSize + 1, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(topLeft.x() + swatch + 18, topLeft.y(), GripWidth - swatch - 18, LineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, cubeColourName(colour));
}

void drawEntry(QPainter &painter, const GuidePageContext &context, const EntryColumns &columns,
               const RecipeEntryPart &part)
{
    const Recipe &recipe = context.recipes[std::size_t(part.recipe)];
    const QRectF body = context.layout.body;
    painter.setPen(QPen(FaintColour, 0.5));
    painter.drawLine(QPointF(body.left(), part.top), QPointF(body.right(), part.top));
    const qreal top = part.top + Padding;

    painter.setFont(context.fonts.letters(PageLayout::TextFontSize + 2));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(columns.number, top, NumberWidth - 4, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(part.recipe + 1));
    if (part.firstLine > 0) {
        painter.setFont(context.fonts.text(PageLayout::SmallFontSize));
        painter.setPen(RuleColour);
        painter.drawText(QRectF(columns.number, top + 15, NumberWidth - 2, 11), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("续 cont."));
    }

    drawSmallFace(painter, context, recipe.face, QRectF(columns.face, top, FaceSize, FaceSize));

    if (recipe.twists) {
        drawGripLine(painter, context, QStringLiteral("前"), recipe.twists->front, QPointF(columns.grip, top));
        drawGripLine(painter, context, QStringLiteral("上"), recipe.twists->top,
                     QPointF(columns.grip, top + LineHeight));
    }

    painter.setFont(context.fonts.text(PageLayout::SmallFontSize, true));
    painter.setPen(RuleColour);
    const int turns = recipe.turns();
    painter.drawText(QRectF(columns.moves, top, MovesWidth, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     turns == 1 ? QStringLiteral("1 步 turn") : QStringLiteral("%1 步 turns").arg(turns));
    painter.setFont(context.fonts.moves(MovesFontSize));
    painter.setPen(Qt::black);
    const QStringList moves = movesLines(recipe, context.fonts);
    for (int line = 0; line < moves.size(); ++line)
        painter.drawText(QRectF(columns.moves, top + (1 + line) * LineHeight, MovesWidth, LineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, moves[line]);

    // As large as the column allows: a recipe of a huge wall may have many cubes.
    const QString cubes = QStringLiteral("× %1").arg(countText(qlonglong(recipe.cubes.size())));
    int size = PageLayout::TextFontSize + 3;
    while (size > PageLayout::SmallFontSize
           && QFontMetricsF(context.fonts.letters(size)).horizontalAdvance(cubes) > CountWidth)
        --size;
    painter.setFont(context.fonts.letters(size));
    painter.drawText(QRectF(columns.count, top, CountWidth, 15), Qt::AlignLeft | Qt::AlignVCenter, cubes);
    painter.setFont(context.fonts.text(PageLayout::SmallFontSize));
    painter.setPen(RuleColour);
    painter.drawText(QRectF(columns.count, top + 15, CountWidth, 11), Qt::AlignLeft | Qt::AlignVCenter,
                     recipe.cubes.size() == 1 ? QStringLiteral("个 cube") : QStringLiteral("个 cubes"));

    painter.setFont(context.fonts.text(PlaceFontSize));
    painter.setPen(Qt::black);
    const QStringList &places = context.recipePages.placeLines[std::size_t(part.recipe)];
    for (int line = 0; line < part.lineCount; ++line)
        painter.drawText(QRectF(columns.places, top + line * PlaceLineHeight, columns.placesWidth, PlaceLineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, places[part.firstLine + line]);
}

} // namespace

RecipePages layOutRecipePages(const std::vector<Recipe> &recipes, const WallPlan &wall, const PageLayout &layout,
                              const GuidePageFonts &fonts)
{
    RecipePages laidOut;
    const EntryColumns columns = columnsIn(layout.body);
    const QFontMetricsF placeMetrics(fonts.text(PlaceFontSize));
    const qreal top = layout.body.top() + BandHeight;
    const qreal bottom = layout.body.bottom();
    qreal y = bottom; // no page begun
    for (int index = 0; index < int(recipes.size()); ++index) {
        const Recipe &recipe = recipes[std::size_t(index)];
        QStringList groups;
        for (const std::string &group : recipePlaces(recipe, wall))
            groups << QString::fromStdString(group);
        const QStringList lines = wrappedAtSpaces(groups.join(QStringLiteral("; ")), placeMetrics, columns.placesWidth);
        const qreal head = headHeight(recipe, fonts);

        for (int first = 0; first < lines.size();) {
            const int left = int(lines.size()) - first;
            const bool freshPage = y == top;
            const int fitting = std::max(freshPage ? 1 : 0, int((bottom - y - 2 * Padding) / PlaceLineHeight));
            const bool headFits = freshPage || bottom - y >= head + 2 * Padding;
            if (!headFits || (fitting < left && fitting < MinLinesOnAPage && !freshPage)) {
                laidOut.pages.emplace_back();
                y = top;
                continue;
            }
            const int taken = std::min(left, fitting);
            const qreal height = partHeight(head, taken);
            laidOut.pages.back().push_back({index, first, taken, y, height});
            y += height;
            first += taken;
        }
        laidOut.placeLines.push_back(lines);
    }
    return laidOut;
}

void drawRecipePage(QPainter &painter, const GuidePageContext &context, int recipePage)
{
    drawGuidePageFrame(painter, context, 1 + recipePage, QStringLiteral("配方 Recipes"));
    const EntryColumns columns = columnsIn(context.layout.body);
    drawBand(painter, context, recipePage, columns);
    for (const RecipeEntryPart &part : context.recipePages.pages[std::size_t(recipePage)])
        drawEntry(painter, context, columns, part);
}

QRectF recipeFaceRect(const GuidePageContext &context, int recipePage, int entry)
{
    const RecipeEntryPart &part = context.recipePages.pages[std::size_t(recipePage)][std::size_t(entry)];
    return {columnsIn(context.layout.body).face, part.top + Padding, FaceSize, FaceSize};
}

} // namespace tessaly
