#include "studio/guidelayoutpanel.h"
#include "studio/studiodocument.h"
#include "studio/studiowindow.h"
#include "support/whitewall.h"

#include <QDoubleSpinBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

QAbstractSpinBox *editorNamed(StudioWindow &window, const QString &name)
{
    if (name == QLatin1String("guide"))
        return window.findChild<GuideLayoutPanel *>()->findChild<QDoubleSpinBox *>();
    return window.findChild<QSpinBox *>(name);
}

} // namespace

class StudioWindowUndoKeysTest : public QObject
{
    Q_OBJECT

private slots:
    // A setting stepped with the keyboard keeps the focus; the Undo and
    // Redo keys then reach the document's undo stack, not the editor's text.
    void undoKeysReachTheDocumentFromAFocusedSetting_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QKeyCombination>("redo");
        QTest::newRow("columns, redo by shift") << "columns" << (Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QTest::newRow("columns, redo by Y") << "columns" << (Qt::CTRL | Qt::Key_Y);
        QTest::newRow("guide, redo by shift") << "guide" << (Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    }

    void undoKeysReachTheDocumentFromAFocusedSetting()
    {
        QFETCH(QString, editor);
        QFETCH(QKeyCombination, redo);
        if (!QKeySequence::keyBindings(QKeySequence::Redo).contains(QKeySequence(redo)))
            QSKIP("this platform has another Redo key");
        StudioWindow window(&test::whiteWall);
        QSignalSpy made(&window.worker(), &PatternWorker::finished);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY_WITH_TIMEOUT(!made.isEmpty(), 10'000);
        QAbstractSpinBox *box = editorNamed(window, editor);
        QVERIFY(box);
        box->setFocus();
        QVERIFY(box->hasFocus());
        QUndoStack &edits = window.document().undoStack();
        const int before = edits.index();
        const QString shownBefore = box->text();

        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(edits.index(), before + 1);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edits.index(), before);
        QCOMPARE(box->text(), shownBefore);
        QTest::keyClick(box, redo.key(), redo.keyboardModifiers());
        QCOMPARE(edits.index(), before + 1);
        QVERIFY(box->hasFocus());
    }
};

QTEST_MAIN(StudioWindowUndoKeysTest)
#include "studiowindowundokeys_qtest.moc"
