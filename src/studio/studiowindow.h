#pragma once

#include "pattern/photopattern.h"
#include "studio/exportcontroller.h"
#include "studio/newestjobrunner.h"
#include "studio/patternworker.h"

#include <QImage>
#include <QMainWindow>

#include <future>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QMenu;

namespace tessaly::cube {
class FaceSolver;
}

namespace tessaly::studio {

class CubeCard;

// A picture file read off the window's thread, with what the window needs
// of it besides: its hash for projects and its picture as the source view
// shows it.
struct PictureFileRead
{
    std::shared_ptr<const pattern::SrgbPicture> picture; // null when it cannot be read
    std::string error;                                   // why it cannot
    QString sha256;
    QImage shown;
};

class FiguresPanel;
class GuideLayoutPanel;
class SettingsPanel;
class SourcePictureView;
class StudioDocument;
class WallView;

// Tessaly Studio's window: the source picture with its crop, the wall
// preview, the settings, the figures and a cube's card; the patterns are
// made by a PatternWorker so the window never waits for them.
class StudioWindow : public QMainWindow
{
    Q_OBJECT

public:
    // maker makes the patterns (makePhotoPattern in the program).
    explicit StudioWindow(PatternMaker maker, QWidget *parent = nullptr);
    ~StudioWindow() override;

    // Opens a picture file or a project file (by its .tessaly suffix); says
    // why in a message box when it cannot. The picture is read off the
    // window's thread and shown once read: returns whether reading started
    // (false when cancelled or refused before).
    bool openFile(const QString &path);
    bool openPicture(const QString &path);
    bool openProject(const QString &path);
    // Saves the project to path; says why in a message box when it cannot.
    bool saveProject(const QString &path);
    // Writes the export of the shown pattern to path on the export worker,
    // its progress and Cancel in the status bar; once the pattern of the
    // current settings is made if it is still being made. A failure is
    // told in a message box, any earlier file at path left intact.
    void exportPattern(ExportKind kind, const QString &path);

    StudioDocument &document() { return *m_document; }
    WallView &wallView() { return *m_wallView; }
    PatternWorker &worker() { return m_worker; }
    ExportWorker &exporter() { return m_exports.worker(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createDocks();
    void showSample();
    void requestPattern();
    void patternFinished(const FinishedPattern &finished);
    void showPattern();
    void showSettings();
    void showLayout();
    void settingsEdited(const pattern::PatternRecipe &recipe, long long cubeBudget, const QString &what, int mergeKey);
    void cropDragged(const pattern::CropRect &crop);
    void paintCell(QPoint cell);
    void showCubeStatus(std::optional<QPoint> cube);
    void showCubeCard(QPoint cube);
    // Shows the card's cube as the shown pattern has it now, or clears the
    // card when the wall no longer has that cube.
    void refreshCubeCard();
    // The solver, made off the window's thread at start; null until ready.
    const cube::FaceSolver *faceSolver() const;
    void pictureRead(const QString &path, const PictureFileRead &read);
    void projectPictureRead(const QString &path, const PatternProject &project, bool pictureLocated,
                            const PictureFileRead &read);
    double framedAspect() const;
    void chooseAndOpenPicture();
    void chooseAndOpenProject();
    void chooseAndExport(ExportKind kind);
    ExportablePattern exportablePattern() const;
    bool save();
    bool saveAs();
    bool maybeSave();
    void rememberFile(const QString &path);
    void updateRecentMenu();
    void updateTitle();
    QString lastFolder() const;
    // A file in the last folder named after the project, then `ending`.
    QString suggestedFile(const QString &ending) const;
    void rememberFolder(const QString &path);

    PatternWorker m_worker;
    ExportController m_exports;
    NewestJobRunner m_pictureReader{QStringLiteral("picture reader")};
    NewestJobRunner m_likenessScorer{QStringLiteral("likeness scorer")};
    StudioDocument *m_document = nullptr;
    WallView *m_wallView = nullptr;
    SourcePictureView *m_sourceView = nullptr;
    SettingsPanel *m_settings = nullptr;
    FiguresPanel *m_figures = nullptr;
    GuideLayoutPanel *m_guideLayout = nullptr;
    CubeCard *m_cubeCard = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_warning = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_paintAction = nullptr;
    QComboBox *m_paintColour = nullptr;

    QImage m_sourceShown; // the document's picture as the source view shows it
    std::optional<FinishedPattern> m_made; // the newest pattern made, before touch-ups
    std::optional<pattern::StickerGrid> m_shown; // the pattern shown, touch-ups applied
    std::optional<QPoint> m_hovered; // the cube under the mouse, if any
    std::shared_future<std::shared_ptr<const cube::FaceSolver>> m_solver;
    int m_nextStroke = 0;
    int m_stroke = 0;
};

} // namespace tessaly::studio
