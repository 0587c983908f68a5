#include "ui/support/formtestfixture.h"

#include "platform/picturebox.h"
#include "ui/form1.h"
#include "ui/support/modalwatcher.h"
#include "ui/support/mosaicmodel.h"
#include "ui/support/windowtesting.h"

#include <QTest>

namespace tessaly::test {

FormTestFixture::FormTestFixture(FolderLifetime lifetime)
    : m_folderLifetime(lifetime)
{
}

FormTestFixture::~FormTestFixture() = default;

void FormTestFixture::initTestCase()
{
    prepareApplication();
    if (m_folderLifetime == FolderLifetime::WholeTestCase)
        QVERIFY(makeFolder());
}

void FormTestFixture::init()
{
    if (m_folderLifetime == FolderLifetime::EachTest)
        QVERIFY(makeFolder());
    m_watcher = std::make_unique<ModalWatcher>();
    m_form = showForm(m_folder->path());
}

void FormTestFixture::cleanup()
{
    m_form.reset();
    m_watcher.reset();
    if (m_folderLifetime == FolderLifetime::EachTest)
        m_folder.reset();
}

QColor FormTestFixture::faceColor() const
{
    return m_form->Picture2->backColor();
}

bool FormTestFixture::cellDrawn(int i, int j) const
{
    return cellPixel(m_form->Picture2->image(), i, j) != (faceColor().rgb() & RGB_MASK);
}

bool FormTestFixture::makeFolder()
{
    m_folder = std::make_unique<QTemporaryDir>();
    return m_folder->isValid();
}

} // namespace tessaly::test
