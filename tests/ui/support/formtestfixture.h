#pragma once

#include <QColor>
#include <QObject>
#include <QTemporaryDir>

#include <memory>

namespace tessaly {
class Form1;
}

namespace tessaly::test {

class ModalWatcher;

// What every window test starts from: the program's look, a temporary save
// folder, and before each test function a fresh window that saves there,
// with a watcher that dismisses and records its message boxes.
//
// Qt Test finds initTestCase(), init() and cleanup() on this base class and
// runs them for the derived test class. A derived class that needs more
// set-up declares its own slot of the same name and calls this one first:
// Qt Test then runs only the derived slot, so nothing runs twice.
class FormTestFixture : public QObject
{
    Q_OBJECT

public:
    enum class FolderLifetime {
        WholeTestCase, // one folder; _data functions may write into it too
        EachTest,      // an empty folder for every test function
    };

    explicit FormTestFixture(FolderLifetime lifetime = FolderLifetime::WholeTestCase);
    ~FormTestFixture() override;

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    const QTemporaryDir &folder() const { return *m_folder; }

    // The canvas's blank colour: the window's control face.
    QColor faceColor() const;
    // Whether a run has drawn cell (i, j) of the canvas (scale divisor 1).
    bool cellDrawn(int i, int j) const;

    std::unique_ptr<Form1> m_form;
    std::unique_ptr<ModalWatcher> m_watcher;

private:
    bool makeFolder();

    const FolderLifetime m_folderLifetime;
    std::unique_ptr<QTemporaryDir> m_folder;
};

} // namespace tessaly::test
