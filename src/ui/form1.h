#pragma once

#include "engine/palette.h"
#include "platform/canvasside.h"
#include "platform/eventpump.h"
#include "ui/form1host.h"
#include "ui/savelocation.h"

#include <QString>
#include <QWidget>

#include <array>
#include <chrono>
#include <cstdint>

class QCloseEvent;
class QGroupBox;
class QLabel;
class QMimeData;
class QPushButton;

namespace tessaly {

class PictureBox;
class TextBox;

// The program's one window: the mosaic canvas on the left, the panel with
// the count and tolerance fields and the buttons at the top right, and the
// source picture under it. Controls stand at fixed pixel places and never
// move when the window is resized.
//
// Everything happens in the handlers below, on the user-interface thread.
// A generation run yields to the event loop while it works, so every handler
// (a second Generate included) can run inside another one.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // yieldInterval: how long a generation run works between two looks at
    // the window's events.
    explicit Form1(std::chrono::microseconds yieldInterval = std::chrono::milliseconds(4));
    ~Form1() override;

    // Outer side of the square canvas Picture2, its border included.
    static constexpr int CanvasSide = WindowCanvasSide;

    // The controls, owned by the window. Text3 is addressed by colour index:
    // 0 orange, 1 yellow, 2 red, 3 green, 4 blue, 5 white.
    PictureBox *Picture2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    PictureBox *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    TextBox *Text1 = nullptr;
    TextBox *Text2 = nullptr;
    std::array<TextBox *, 6> Text3{};
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;

    // The mosaic's output colours, filled once by Form_Load.
    tessaly::Palette Palette{};
    // Set by every generation run; shared by nested runs.
    std::int16_t ScaleDivisor = 0;

    // Fills Palette. Runs once, from the constructor, before the window is
    // shown.
    void Form_Load();
    // Save: writes the canvas as m.BMP in the save folder, or in the user's
    // pictures folder when the save folder does not take it (the first save
    // there says where it went); a failure of both is reported in a message
    // box and changes nothing.
    void Command1_Click();
    // Generate: one mosaic generation run.
    void Command2_Click();
    // Exit: closes the window, which ends the program.
    void Command3_Click();
    // Loads the first dropped file into Picture1 and sizes the window to
    // show it; a file that cannot be loaded is reported and changes nothing.
    void Picture1_OLEDragDrop(const QMimeData *data);
    // Close request: never refused. Marks the window closed before anything
    // else, so a run suspended in a yield ends without touching it.
    void Form_QueryUnload(QCloseEvent *event);

    // Where Save writes m.BMP: the program's folder unless set otherwise.
    void setSaveFolder(const QString &folder);
    QString saveFolder() const { return m_saveLocation.programFolder(); }
    // Where it goes when the save folder fails: the user's pictures folder
    // unless set otherwise.
    void setPicturesFolder(const QString &folder);
    QString picturesFolder() const { return m_saveLocation.picturesFolder(); }

    bool isClosed() const { return m_closed; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createPanelControls();
    void setUpTabOrder();
    void connectHandlers();

    EventPump m_pump;
    Form1Host m_host;
    SaveLocation m_saveLocation;
    bool m_closed = false;
};

} // namespace tessaly
