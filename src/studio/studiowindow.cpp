#include "studio/studiowindow.h"

#include "cube/facesolver.h"
#include "cube/shippedfaceturntable.h"
#include "guide/photooptionvalues.h"
#include "pattern/framing.h"
#include "pattern/likeness.h"
#include "pattern/pictureintake.h"
#include "pattern/qtpicture.h"
#include "studio/cubecard.h"
#include "studio/figurespanel.h"
#include "studio/guidelayoutpanel.h"
#include "studio/patternfigures.h"
#include "studio/settingspanel.h"
#include "studio/sourcepictureview.h"
#include "studio/studiodocument.h"
#include "studio/studioeditcommand.h"
#include "studio/walllimits.h"
#include "studio/wallview.h"
#include "studio/windowundokeys.h"
#include "tessalyresources.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace tessaly::studio {

namespace {

constexpr int MaxRecentFiles = 8;
constexpr long long StartingCubes = 400;
const auto ProjectSuffix = QStringLiteral("tessaly");

// The largest side the source view shows a picture at: a dock is far
// smaller, and a 40-megapixel photo drawn whole would stall every paint.
constexpr int ShownPictureSide = 1024;

// The picture as the source view shows it, scaled down when large.
QImage shownImageOf(const pattern::SrgbPicture &picture)
{
    // Read in place: a copy of a large photo would only be scaled down.
    const QImage image(picture.rgb.data(), picture.width, picture.height, 3 * picture.width, QImage::Format_RGB888);
    if (image.width() <= ShownPictureSide && image.height() <= ShownPictureSide)
        return image.copy();
    return image.scaled(ShownPictureSide, ShownPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

PictureFileRead readPicture(const QString &path)
{
    pattern::PictureIntake intake = pattern::loadPatternPicture(path.toStdString());
    if (intake.picture.isNull())
        return {nullptr, std::move(intake.error), {}, {}};
    QImage shown = shownImageOf(intake.picture);
    return {std::make_shared<const pattern::SrgbPicture>(std::move(intake.picture)), {}, fileSha256(path),
            std::move(shown)};
}

QString methodName(pattern::Method method)
{
    switch (method) {
    case pattern::Method::Optimised: return QCoreApplication::translate("tessaly::studio::StudioWindow", "optimising");
    case pattern::Method::Nearest: return QCoreApplication::translate("tessaly::studio::StudioWindow", "matching nearest colours");
    case pattern::Method::Ordered: return QCoreApplication::translate("tessaly::studio::StudioWindow", "dithering");
    case pattern::Method::Diffusion:
    case pattern::Method::Atkinson: return QCoreApplication::translate("tessaly::studio::StudioWindow", "diffusing errors");
    case pattern::Method::Exact: break;
    }
    return QCoreApplication::translate("tessaly::studio::StudioWindow", "matching");
}

} // namespace

StudioWindow::StudioWindow(PatternMaker maker, QWidget *parent)
    : QMainWindow(parent)
    , m_worker(std::move(maker))
    , m_exports(*this, [this] { return exportablePattern(); })
    , m_document(new StudioDocument(this))
    , m_wallView(new WallView)
    , m_status(new QLabel)
    , m_warning(new QLabel)
{
    setAcceptDrops(true);
    setWindowIcon(QIcon(QString::fromLatin1(Resources::Icon)));

    m_warning->setVisible(false);
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral("background: #fff3bf; color: #5c3c00; padding: 6px; border: 1px solid #e0b000"));
    auto *centre = new QWidget;
    auto *centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->addWidget(m_warning);
    centreLayout->addWidget(m_wallView, 1);
    setCentralWidget(centre);
    m_status->setObjectName(QStringLiteral("statusText"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_exports.progressStrip());

    createDocks();
    createActions();

    connect(m_document, &StudioDocument::settingsChanged, this, &StudioWindow::showSettings);
    connect(m_document, &StudioDocument::recipeChanged, this, &StudioWindow::requestPattern);
    connect(m_document, &StudioDocument::touchUpsChanged, this, &StudioWindow::showPattern);
    connect(m_document, &StudioDocument::layoutChanged, this, &StudioWindow::showLayout);
    connect(m_document, &StudioDocument::documentReset, this, [this] {
        m_warning->hide();
        m_cubeCard->clear();
        m_sourceView->setPicture(m_sourceShown, QSize(m_document->picture()->width, m_document->picture()->height));
        showSettings();
        showLayout();
        requestPattern();
        updateTitle();
    });
    connect(&m_document->undoStack(), &QUndoStack::cleanChanged, this, &StudioWindow::updateTitle);
    connect(&m_document->undoStack(), &QUndoStack::indexChanged, this, [this] {
        const auto *edit = static_cast<const StudioEditCommand *>(
            m_document->undoStack().command(m_document->undoStack().index() - 1));
        if (edit && edit->dropsTouchUps()) {
            m_warning->setText(tr("The wall's size or framing changed, so your touched-up stickers were cleared. "
                                  "Undo (Ctrl+Z) brings them back."));
            m_warning->show();
        } else {
            m_warning->hide();
        }
    });
    connect(&m_worker, &PatternWorker::finished, this, &StudioWindow::patternFinished);
    connect(&m_exports, &ExportController::statusChanged, m_status, &QLabel::setText);
    connect(&m_worker, &PatternWorker::progressed, this, [this](long long done, long long total) {
        m_status->setText(tr("Making the pattern (%1)… %2%")
                              .arg(methodName(m_document->state().recipe.method))
                              .arg(total > 0 ? 100 * done / total : 0));
    });
    connect(m_wallView, &WallView::cubeHovered, this, [this](std::optional<QPoint> cube) {
        m_hovered = cube;
        showCubeStatus(cube);
    });
    connect(m_wallView, &WallView::cubeClicked, this, &StudioWindow::showCubeCard);
    connect(m_wallView, &WallView::strokeStarted, this, [this] { m_stroke = FirstStroke + m_nextStroke++; });
    connect(m_wallView, &WallView::cellPainted, this, &StudioWindow::paintCell);

    QSettings settings;
    resize(1280, 800);
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("window/state")).toByteArray());
    updateRecentMenu();
    // The cube solver's tables and the face turn table take a moment to
    // build: they are made off the window's thread before the first hover.
    m_solver = std::async(std::launch::async, [] {
                   cube::faceTurnTable();
                   return std::make_shared<const cube::FaceSolver>();
               }).share();
    showSample();
}

StudioWindow::~StudioWindow()
{
    // The document is a child, deleted after this destructor: the signals its
    // undo stack sends as it is cleared must not reach the window's slots.
    m_document->undoStack().disconnect(this);
    m_document->disconnect(this);
}

void StudioWindow::createDocks()
{
    const auto addDock = [this](const QString &title, const QString &name, QWidget *widget, Qt::DockWidgetArea area) {
        auto *dock = new QDockWidget(title, this);
        dock->setObjectName(name);
        dock->setWidget(widget);
        addDockWidget(area, dock);
        return dock;
    };
    m_sourceView = new SourcePictureView;
    m_settings = new SettingsPanel;
    // Panels that may be taller than their dock scroll rather than squeeze.
    const auto scrolling = [](QWidget *panel) {
        auto *scroll = new QScrollArea;
        scroll->setWidget(panel);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        return scroll;
    };
    QScrollArea *settingsScroll = scrolling(m_settings);
    m_figures = new FiguresPanel;
    m_guideLayout = new GuideLayoutPanel;
    m_cubeCard = new CubeCard;
    addDock(tr("Source Picture"), QStringLiteral("source"), m_sourceView, Qt::LeftDockWidgetArea);
    addDock(tr("Settings"), QStringLiteral("settings"), settingsScroll, Qt::LeftDockWidgetArea);
    QDockWidget *figures = addDock(tr("Figures"), QStringLiteral("figures"), m_figures, Qt::RightDockWidgetArea);
    QDockWidget *guide = addDock(tr("Guide"), QStringLiteral("guide"), m_guideLayout, Qt::RightDockWidgetArea);
    QDockWidget *cube = addDock(tr("Cube"), QStringLiteral("cube"), scrolling(m_cubeCard), Qt::RightDockWidgetArea);
    // The figures and the guide's few settings as tall as they need, the
    // rest for the cube's card (until the user's own layout is restored).
    resizeDocks({figures, guide, cube},
                {m_figures->sizeHint().height(), m_guideLayout->sizeHint().height(), QWIDGETSIZE_MAX},
                Qt::Vertical);

    // Undo and Redo act on the document even while a setting has the focus.
    new WindowUndoKeys(*m_settings);
    new WindowUndoKeys(*m_guideLayout);

    connect(m_settings, &SettingsPanel::settingsEdited, this, &StudioWindow::settingsEdited);
    connect(m_guideLayout, &GuideLayoutPanel::layoutEdited, this, [this](const GuideLayout &layout, const QString &what,
                                                                         int mergeKey) {
        ProjectState after = m_document->state();
        after.layout = layout;
        m_document->undoStack().push(new StudioEditCommand(*m_document, what, after, mergeKey));
    });
    connect(m_sourceView, &SourcePictureView::dragStarted, this, [this] { m_stroke = FirstStroke + m_nextStroke++; });
    connect(m_sourceView, &SourcePictureView::regionDragged, this, &StudioWindow::cropDragged);
}

void StudioWindow::createActions()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *openPictureAction = file->addAction(tr("&Open Picture…"), this, &StudioWindow::chooseAndOpenPicture);
    openPictureAction->setShortcut(QKeySequence::Open);
    file->addAction(tr("Open &Project…"), this, &StudioWindow::chooseAndOpenProject);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    file->addSeparator();
    QAction *saveAction = file->addAction(tr("&Save Project"), this, &StudioWindow::save);
    saveAction->setShortcut(QKeySequence::Save);
    file->addAction(tr("Save Project &As…"), this, &StudioWindow::saveAs)->setShortcut(QKeySequence::SaveAs);
    file->addSeparator();
    file->addAction(tr("Export PDF &Guide…"), this, [this] { chooseAndExport(ExportKind::PdfGuide); });
    file->addAction(tr("Export &CSV…"), this, [this] { chooseAndExport(ExportKind::CsvGuide); });
    file->addAction(tr("Export Pre&view PNG…"), this, [this] { chooseAndExport(ExportKind::Preview); });
    file->addAction(tr("Export Sticker &Map…"), this, [this] { chooseAndExport(ExportKind::StickerMap); });
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close)->setShortcut(QKeySequence::Quit);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *undo = m_document->undoStack().createUndoAction(this, tr("&Undo"));
    undo->setShortcuts(QKeySequence::Undo); // every binding, not only the first
    QAction *redo = m_document->undoStack().createRedoAction(this, tr("&Redo"));
    redo->setShortcuts(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    m_paintAction = edit->addAction(tr("&Paint Stickers"));
    m_paintAction->setCheckable(true);
    m_paintAction->setShortcut(QKeySequence(Qt::Key_P));
    m_paintAction->setToolTip(tr("Click or drag on the wall to set stickers to the chosen colour"));
    connect(m_paintAction, &QAction::toggled, m_wallView, &WallView::setPainting);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    QAction *fit = view->addAction(tr("&Fit Wall to Window"), m_wallView, &WallView::fitToWindow);
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addSeparator();
    for (QDockWidget *dock : findChildren<QDockWidget *>())
        view->addAction(dock->toggleViewAction());

    m_paintColour = new QComboBox;
    m_paintColour->setToolTip(tr("The colour the paint tool sets"));
    for (int sticker = 0; sticker < pattern::StickerColourCount; ++sticker)
        m_paintColour->addItem(spokenColourName(cube::Colour(sticker)), sticker);

    QToolBar *tools = addToolBar(tr("Tools"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->addAction(openPictureAction);
    tools->addAction(saveAction);
    tools->addSeparator();
    tools->addAction(undo);
    tools->addAction(redo);
    tools->addSeparator();
    tools->addAction(fit);
    tools->addAction(m_paintAction);
    tools->addWidget(m_paintColour);
}

void StudioWindow::showSample()
{
    auto picture = std::make_shared<const pattern::SrgbPicture>(pattern::srgbPictureOf(Resources::samplePicture()));
    ProjectState state;
    state.recipe.wall = pattern::wallForCubes(StartingCubes, double(picture->width) / picture->height);
    m_sourceShown = shownImageOf(*picture);
    m_document->reset(std::move(picture), {}, {}, state);
}

double StudioWindow::framedAspect() const
{
    const auto &picture = m_document->picture();
    const std::optional<pattern::CropRect> &crop = m_document->state().recipe.crop;
    if (crop)
        return double(crop->width) / crop->height;
    return picture ? double(picture->width) / picture->height : 1.0;
}

void StudioWindow::showLayout()
{
    m_guideLayout->showLayout(m_document->state().layout);
    m_figures->setPace(m_document->state().layout.plan.pace);
}

void StudioWindow::showSettings()
{
    const ProjectState &state = m_document->state();
    m_settings->showState(state, framedAspect());
    const auto &picture = *m_document->picture();
    const pattern::WallSize wall = state.recipe.wall;
    pattern::CropRect region{0, 0, picture.width, picture.height};
    if (state.recipe.fit == pattern::Fit::Crop) {
        const pattern::SourceRegion framed =
            pattern::frameRegion(picture.width, picture.height, wall, pattern::Fit::Crop, state.recipe.crop);
        region = {int(std::lround(framed.x)), int(std::lround(framed.y)), int(std::lround(framed.width)),
                  int(std::lround(framed.height))};
    } else if (state.recipe.crop) {
        region = *state.recipe.crop;
    }
    m_sourceView->setRegion(region, double(wall.columns) / wall.rows);
}

void StudioWindow::requestPattern()
{
    m_status->setText(tr("Making the pattern (%1)…").arg(methodName(m_document->state().recipe.method)));
    m_worker.request(m_document->picture(), m_document->state().recipe);
}

void StudioWindow::patternFinished(const FinishedPattern &finished)
{
    if (!finished.result.pattern) {
        m_status->setText(tr("No pattern: %1").arg(QString::fromStdString(finished.result.error)));
        m_exports.patternChanged(); // a waiting export fails: there is no pattern to export
        return;
    }
    m_made = finished;
    showPattern();
    m_status->setText(tr("Pattern ready: %1 × %2 cubes").arg(finished.recipe.wall.columns).arg(finished.recipe.wall.rows));
    m_exports.patternChanged();
}

void StudioWindow::showPattern()
{
    if (!m_made || !m_made->result.pattern)
        return;
    const pattern::PhotoPattern &made = *m_made->result.pattern;
    const pattern::StickerPalette &palette = m_made->recipe.palette;
    m_shown = made.stickers;
    if (keepsTouchUps(m_made->recipe, m_document->state().recipe))
        applyTouchUps(*m_shown, m_document->state().touchUps, palette);
    m_wallView->setStickers(*m_shown, palette);
    refreshCubeCard();
    showCubeStatus(m_hovered); // the cube under the mouse may have changed under it
    const PatternFigures figures = patternFigures(*m_shown);
    if (*m_shown == made.stickers) {
        m_likenessScorer.cancel();
        m_figures->showFigures(figures, palette, made.likeness);
        return;
    }
    // Stickers set by hand change the likeness: it is scored off the
    // window's thread, the figures showing "…" meanwhile.
    m_figures->showFigures(figures, palette, std::nullopt);
    m_likenessScorer.run<double>(
        [target = made.target, stickers = *m_shown, palette] {
            return pattern::likeness(target, stickers, palette).sde;
        },
        [this, figures, palette, stickers = *m_shown](double likeness) {
            if (m_shown == stickers)
                m_figures->showFigures(figures, palette, likeness);
        });
}

void StudioWindow::settingsEdited(const pattern::PatternRecipe &recipe, long long cubeBudget, const QString &what,
                                  int mergeKey)
{
    const ProjectState after = withSettings(m_document->state(), recipe, cubeBudget);
    m_document->undoStack().push(new StudioEditCommand(*m_document, what, after, mergeKey));
}

void StudioWindow::cropDragged(const pattern::CropRect &crop)
{
    pattern::PatternRecipe recipe = m_document->state().recipe;
    recipe.crop = crop;
    const ProjectState after = withSettings(m_document->state(), recipe, m_document->state().cubeBudget);
    m_document->undoStack().push(new StudioEditCommand(*m_document, tr("Crop"), after, m_stroke));
}

void StudioWindow::paintCell(QPoint cell)
{
    if (!m_shown)
        return;
    const auto sticker = pattern::Sticker(m_paintColour->currentData().toInt());
    ProjectState after = m_document->state();
    after.touchUps = withTouchUp(after.touchUps, {cell.x(), cell.y(), sticker});
    if (after == m_document->state())
        return;
    m_document->undoStack().push(new StudioEditCommand(*m_document, tr("Paint stickers"), after, m_stroke));
}

const cube::FaceSolver *StudioWindow::faceSolver() const
{
    if (m_solver.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return nullptr;
    return m_solver.get().get();
}

void StudioWindow::showCubeStatus(std::optional<QPoint> cube)
{
    if (!cube || !m_shown || cube->x() >= m_shown->width() / 3 || cube->y() >= m_shown->height() / 3)
        return;
    const cube::FaceSolver *solver = faceSolver();
    if (!solver) {
        m_status->setText(tr("Preparing the cube solver…"));
        return;
    }
    const CubeInfo info = cubeInfo(*m_shown, cube->x(), cube->y(), *solver);
    m_status->setText(tr("Cube %1, %2: face %3, hold %4 in front and %5 on top, %6 turns: %7")
                          .arg(info.column)
                          .arg(info.row)
                          .arg(faceLetters(info.face), spokenColourName(info.twists.front), spokenColourName(info.twists.top))
                          .arg(info.twists.turns)
                          .arg(info.twists.moves.empty() ? tr("none") : QString::fromStdString(info.twists.moves)));
}

void StudioWindow::showCubeCard(QPoint cube)
{
    if (!m_shown)
        return;
    const cube::FaceSolver *solver = faceSolver();
    if (!solver) {
        m_status->setText(tr("Preparing the cube solver…"));
        return;
    }
    m_cubeCard->showCube(cubeInfo(*m_shown, cube.x(), cube.y(), *solver), m_made->recipe.palette);
}

void StudioWindow::refreshCubeCard()
{
    const std::optional<CubeInfo> &carded = m_cubeCard->cube();
    if (!carded || !m_shown)
        return;
    const QPoint cube(carded->column - 1, carded->row - 1);
    const bool onWall = cube.x() < m_shown->width() / 3 && cube.y() < m_shown->height() / 3;
    if (!onWall) {
        m_cubeCard->clear();
        return;
    }
    showCubeCard(cube);
}

// Exports.

void StudioWindow::chooseAndExport(ExportKind kind)
{
    const ExportFormat format = exportFormat(kind);
    QString path = QFileDialog::getSaveFileName(
        this, format.title, suggestedFile(format.nameEnding + QLatin1Char('.') + format.suffix), format.filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + format.suffix;
    rememberFolder(path);
    exportPattern(kind, path);
}

void StudioWindow::exportPattern(ExportKind kind, const QString &path)
{
    m_exports.exportPattern(kind, path);
}

ExportablePattern StudioWindow::exportablePattern() const
{
    const bool current = m_made && m_made->result.pattern && !m_worker.isBusy()
                         && m_made->recipe == m_document->state().recipe;
    if (!current)
        return {{}, m_worker.isBusy(), {}};
    return {[project = m_document->project(), made = *m_made->result.pattern] { return projectGuide(project, made); },
            false, m_document->state().layout};
}

// Files.

bool StudioWindow::openFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(ProjectSuffix, Qt::CaseInsensitive) == 0 ? openProject(path)
                                                                                      : openPicture(path);
}

bool StudioWindow::openPicture(const QString &path)
{
    if (!maybeSave())
        return false;
    m_status->setText(tr("Reading %1…").arg(QDir::toNativeSeparators(path)));
    m_pictureReader.run<PictureFileRead>([path] { return readPicture(path); },
                                         [this, path](const PictureFileRead &read) { pictureRead(path, read); });
    return true;
}

void StudioWindow::pictureRead(const QString &path, const PictureFileRead &read)
{
    if (!read.picture) {
        m_status->clear();
        QMessageBox::warning(this, tr("Open Picture"),
                             tr("Cannot use the picture %1:\n%2").arg(QDir::toNativeSeparators(path),
                                                                       QString::fromStdString(read.error)));
        return;
    }
    const pattern::SrgbPicture &picture = *read.picture;
    ProjectState state;
    state.recipe = m_document->state().recipe; // the builder's palette and taste carry over
    state.recipe.crop.reset();
    state.cubeBudget = m_document->state().cubeBudget;
    state.layout = m_document->state().layout;
    const long long cubes = state.cubeBudget > 0 ? state.cubeBudget : m_document->state().recipe.wall.cubes();
    state.recipe.wall = pattern::wallForCubesWithinLimit(cubes, double(picture.width) / picture.height);
    m_sourceShown = read.shown;
    m_document->reset(read.picture, QFileInfo(path).absoluteFilePath(), read.sha256, state);
    rememberFile(path);
}

bool StudioWindow::openProject(const QString &path)
{
    if (!maybeSave())
        return false;
    const PatternProjectReading reading = readPatternProject(path);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!reading.project) {
        QMessageBox::warning(this, tr("Open Project"),
                             reading.newerFormat
                                 ? tr("Cannot open %1: it was saved by a newer version of Tessaly Studio.\n%2")
                                       .arg(shownPath, reading.error)
                                 : tr("Cannot open %1: the file is damaged or not a project.\n%2").arg(shownPath, reading.error));
        return false;
    }
    PatternProject project = *reading.project;
    if (!QFileInfo::exists(project.picturePath)) {
        const auto answer = QMessageBox::question(
            this, tr("Open Project"),
            tr("The project's picture %1 is not there any more. Do you want to find it?")
                .arg(QDir::toNativeSeparators(project.picturePath)),
            QMessageBox::Yes | QMessageBox::Cancel);
        if (answer != QMessageBox::Yes)
            return false;
        const QString found = QFileDialog::getOpenFileName(this, tr("Find the Picture"), QFileInfo(path).absolutePath());
        if (found.isEmpty())
            return false;
        project.picturePath = QFileInfo(found).absoluteFilePath();
    }
    const bool located = project.picturePath != reading.project->picturePath;
    m_status->setText(tr("Reading %1…").arg(QDir::toNativeSeparators(project.picturePath)));
    m_pictureReader.run<PictureFileRead>([picturePath = project.picturePath] { return readPicture(picturePath); },
                                         [this, path, project, located](const PictureFileRead &read) {
                                             projectPictureRead(path, project, located, read);
                                         });
    return true;
}

void StudioWindow::projectPictureRead(const QString &path, const PatternProject &project, bool pictureLocated,
                                      const PictureFileRead &read)
{
    const QString &sha256 = read.sha256;
    m_status->clear();
    const QString shownPath = QDir::toNativeSeparators(path);
    if (sha256 != project.pictureSha256) {
        const auto answer = QMessageBox::warning(
            this, tr("Open Project"),
            tr("The picture %1 is not the one the project was made from: its contents differ (SHA-256 %2, "
               "the project expects %3). The pattern and its touch-ups may not fit it. Open it anyway?")
                .arg(QDir::toNativeSeparators(project.picturePath), sha256.left(12), project.pictureSha256.left(12)),
            QMessageBox::Open | QMessageBox::Cancel);
        if (answer != QMessageBox::Open)
            return;
    }
    if (!read.picture) {
        QMessageBox::warning(this, tr("Open Project"),
                             tr("Cannot use the project's picture %1:\n%2")
                                 .arg(QDir::toNativeSeparators(project.picturePath), QString::fromStdString(read.error)));
        return;
    }
    if (project.recipe.crop) {
        const std::string problem = pattern::checkCrop(*project.recipe.crop, read.picture->width, read.picture->height);
        if (!problem.empty()) {
            QMessageBox::warning(this, tr("Open Project"),
                                 tr("Cannot open %1: its crop does not fit the picture.\n%2")
                                     .arg(shownPath, QString::fromStdString(problem)));
            return;
        }
    }
    m_sourceShown = read.shown;
    m_document->reset(read.picture, project.picturePath, sha256,
                      {project.recipe, project.cubeBudget, project.touchUps, project.layout});
    m_document->markSaved(QFileInfo(path).absoluteFilePath());
    // A located or changed picture is a change the project file does not have yet.
    if (pictureLocated || sha256 != project.pictureSha256)
        m_document->undoStack().resetClean();
    rememberFile(path);
    updateTitle();
}

bool StudioWindow::saveProject(const QString &path)
{
    if (m_document->picturePath().isEmpty()) {
        QMessageBox::information(this, tr("Save Project"),
                                 tr("The built-in sample picture has no file a project could refer to. "
                                    "Open a picture of your own first."));
        return false;
    }
    const QString error = writePatternProject(m_document->project(), path);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, tr("Save Project"),
                             tr("Cannot save %1:\n%2\nAny earlier file there is unchanged.")
                                 .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_document->markSaved(QFileInfo(path).absoluteFilePath());
    rememberFile(path);
    updateTitle();
    return true;
}

bool StudioWindow::save()
{
    if (m_document->projectPath().isEmpty())
        return saveAs();
    return saveProject(m_document->projectPath());
}

bool StudioWindow::saveAs()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Save Project"),
                                                suggestedFile(QLatin1Char('.') + ProjectSuffix),
                                                tr("Tessaly projects (*.tessaly)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + ProjectSuffix;
    rememberFolder(path);
    return saveProject(path);
}

bool StudioWindow::maybeSave()
{
    if (!m_document->isModified())
        return true;
    const auto answer = QMessageBox::question(this, tr("Unsaved Changes"),
                                              tr("The project has changes that are not saved. Save them?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void StudioWindow::chooseAndOpenPicture()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Picture"), lastFolder(),
        tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff *.pnm *.ppm);;All files (*)"));
    if (path.isEmpty())
        return;
    rememberFolder(path);
    openPicture(path);
}

void StudioWindow::chooseAndOpenProject()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Project"), lastFolder(),
                                                      tr("Tessaly projects (*.tessaly)"));
    if (path.isEmpty())
        return;
    rememberFolder(path);
    openProject(path);
}

QString StudioWindow::lastFolder() const
{
    return QSettings().value(QStringLiteral("files/lastFolder")).toString();
}

QString StudioWindow::suggestedFile(const QString &ending) const
{
    // Named after the project, or before it is saved after its picture; in
    // the last folder used, or the named file's at first.
    const QString &named = m_document->projectPath().isEmpty() ? m_document->picturePath() : m_document->projectPath();
    const QString name = named.isEmpty() ? tr("wall") : QFileInfo(named).completeBaseName();
    const QString folder = lastFolder().isEmpty() && !named.isEmpty() ? QFileInfo(named).absolutePath() : lastFolder();
    return QDir(folder).filePath(name + ending);
}

void StudioWindow::rememberFolder(const QString &path)
{
    QSettings().setValue(QStringLiteral("files/lastFolder"), QFileInfo(path).absolutePath());
}

void StudioWindow::rememberFile(const QString &path)
{
    QSettings settings;
    QStringList recent = settings.value(QStringLiteral("files/recent")).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > MaxRecentFiles)
        recent.removeLast();
    settings.setValue(QStringLiteral("files/recent"), recent);
    updateRecentMenu();
}

void StudioWindow::updateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = QSettings().value(QStringLiteral("files/recent")).toStringList();
    for (const QString &path : recent) {
        m_recentMenu->addAction(QDir::toNativeSeparators(path), this, [this, path] { openFile(path); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void StudioWindow::updateTitle()
{
    const QString &project = m_document->projectPath();
    const QString &picture = m_document->picturePath();
    const QString name = !project.isEmpty() ? QFileInfo(project).fileName()
                         : !picture.isEmpty() ? QFileInfo(picture).fileName()
                                              : tr("Sample picture");
    setWindowTitle(tr("%1[*] — Tessaly Studio").arg(name));
    setWindowModified(m_document->isModified());
}

void StudioWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/state"), saveState());
    event->accept();
}

void StudioWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void StudioWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    openFile(urls.first().toLocalFile());
}

} // namespace tessaly::studio
