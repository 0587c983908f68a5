#pragma once

#include <QStringList>
#include <QtGlobal>

#include <vector>

class QPainter;
class QRectF;

namespace tessaly {

struct GuidePageContext;
struct GuidePageFonts;
struct PageLayout;
struct Recipe;
struct WallPlan;

// One entry of a recipe page: a recipe's face, grip, moves and count, with
// some lines of its places: all of them, unless the list runs on over the
// next page, where the entry is repeated with the rest.
struct RecipeEntryPart
{
    int recipe = 0;    // index into the recipes laid out
    int firstLine = 0; // of its place lines
    int lineCount = 0;
    qreal top = 0;     // on the page, in points
    qreal height = 0;
};

// Recipes laid out on pages in their order.
struct RecipePages
{
    std::vector<QStringList> placeLines; // by recipe: its places wrapped to their column
    std::vector<std::vector<RecipeEntryPart>> pages;
};

// Lays out the recipes (those that need turns; none gives no pages) on
// pages of the layout. wall is the plan they were collected on.
RecipePages layOutRecipePages(const std::vector<Recipe> &recipes, const WallPlan &wall, const PageLayout &layout,
                              const GuidePageFonts &fonts);

// Recipe page index recipePage (from 0 among the recipe pages): how to use
// it, then its entries, each recipe numbered by its rank.
void drawRecipePage(QPainter &painter, const GuidePageContext &context, int recipePage);

// Where the page's entry draws its recipe's face, in points.
QRectF recipeFaceRect(const GuidePageContext &context, int recipePage, int entry);

} // namespace tessaly
