// The preview window: navigation, zoom, scrolling, keys, closing and saving as PDF.
#include "component/printing/FakePrinter.h"
#include "layout/RichTextBox.h"
#include "printing/PrintRoutines.h"
#include "support/PdfText.h"
#include "windows/MessageReport.h"
#include "windows/Messages.h"
#include "windows/PreviewWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace pagora;

class PreviewWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<RichTextBox> m_box;
    int m_prints = 0;

    QPointer<PreviewWindow> open(int pages, bool closeWhenDeactivated = false,
                                 bool waitForIt = true)
    {
        QByteArray rtf("{\\rtf1 ");
        for (int i = 1; i <= pages; ++i)
            rtf += "Page " + QByteArray::number(i) + (i < pages ? "\\page " : "}");
        m_box = std::make_unique<RichTextBox>();
        m_box->loadRtf(rtf);
        PreviewWindow::Settings settings;
        settings.objectName = QStringLiteral("frmJustPreview");
        settings.closeWhenDeactivated = closeWhenDeactivated;
        settings.print = [this](Printer*) {
            ++m_prints;
        };
        settings.document = m_box.get();
        QPointer<PreviewWindow> w = new PreviewWindow(settings);
        MessageReport errors;
        PrintRoutines::PreviewRichText(*m_box, 1400, 1400, 1400, 1400, Printer::Portrait, *w,
                                       errors);
        if (waitForIt && !QTest::qWaitForWindowActive(w))
            qWarning("the preview did not become active");
        return w;
    }
    template <class T> static T* child(QWidget* w, const char* name)
    {
        T* c = w->findChild<T*>(name);
        if (!c)
            qFatal("no %s", name);
        return c;
    }
    static QString pageText(QWidget* w) { return child<QLabel>(w, "Label2")->text(); }
    static bool enabled(QWidget* w, const char* name)
    {
        return child<QWidget>(w, name)->isEnabled();
    }

private slots:
    void init()
    {
        Messages::setAnswering(true);
        Messages::clear();
        Printer::setCurrent(std::make_unique<FakePrinter>(m_dir.filePath("paper.pdf"), true));
        m_prints = 0;
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<PreviewWindow*>(w))
                delete w;
        m_box.reset();
    }

    void aOnePageDocument()
    {
        auto w = open(1);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tessaly Print Preview ActiveX Object"));
        QCOMPARE(child<QTabBar>(w, "tabPreview")->count(), 1);
        QCOMPARE(child<QTabBar>(w, "tabPreview")->tabText(0), QStringLiteral("Page 1"));
        QCOMPARE(pageText(w), QStringLiteral("Page 1 of 1"));
        for (const char* name : {"Slider1", "cmdStart", "cmdPrevious", "cmdNext", "cmdEnd"})
            QVERIFY2(!enabled(w, name), name);
    }

    void aThreePageDocument()
    {
        auto w = open(3);
        QCOMPARE(child<QTabBar>(w, "tabPreview")->count(), 3);
        QCOMPARE(pageText(w), QStringLiteral("Page 1 of 3"));
        QVERIFY(!enabled(w, "cmdStart"));
        QVERIFY(!enabled(w, "cmdPrevious"));
        QTest::mouseClick(child<QToolButton>(w, "cmdPrevious"), Qt::LeftButton);
        QCOMPARE(w->currentPage(), 1);
        QTest::mouseClick(child<QToolButton>(w, "cmdEnd"), Qt::LeftButton);
        QCOMPARE(w->currentPage(), 3);
        QCOMPARE(child<QTabBar>(w, "tabPreview")->currentIndex(), 2);
        QCOMPARE(pageText(w), QStringLiteral("Page 3 of 3"));
        QVERIFY(!enabled(w, "cmdNext"));
        QVERIFY(!enabled(w, "cmdEnd"));
        QVERIFY(enabled(w, "cmdStart"));
        QVERIFY(enabled(w, "cmdPrevious"));
        child<QToolButton>(w, "cmdNext")->click();
        QCOMPARE(w->currentPage(), 3);
        QTest::mouseClick(child<QToolButton>(w, "cmdPrevious"), Qt::LeftButton);
        QCOMPARE(pageText(w), QStringLiteral("Page 2 of 3"));
        for (const char* name : {"cmdStart", "cmdPrevious", "cmdNext", "cmdEnd"})
            QVERIFY2(enabled(w, name), name);
        // A tab picks its page too.
        QTabBar* tabs = child<QTabBar>(w, "tabPreview");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QCOMPARE(w->currentPage(), 1);
        QCOMPARE(pageText(w), QStringLiteral("Page 1 of 3"));
    }

    // A long document is shown before it is all laid out; the rest of its pages join the
    // navigation as they come.
    void aLongDocumentShowsItsFirstPagesAtOnce()
    {
        auto w = open(1500, false, false);
        QVERIFY(w->isVisible());
        QVERIFY(w->pageCount() < 1500);
        QTRY_COMPARE_WITH_TIMEOUT(w->pageCount(), 1500, 120000);
        QCOMPARE(child<QTabBar>(w, "tabPreview")->count(), 1500);
        QTest::mouseClick(child<QToolButton>(w, "cmdEnd"), Qt::LeftButton);
        QCOMPARE(pageText(w), QStringLiteral("Page 1500 of 1500"));
    }

    void theZoomListAndItsBounds()
    {
        auto w = open(1);
        QComboBox* zoom = child<QComboBox>(w, "cboPercent");
        QCOMPARE(zoom->count(), 18);
        QCOMPARE(zoom->itemText(0), QStringLiteral("200%"));
        QCOMPARE(zoom->itemText(17), QStringLiteral("30%"));
        QCOMPARE(zoom->currentText(), QStringLiteral("100%"));
        QCOMPARE(w->zoomPercent(), 100);
        QTest::mouseClick(child<QPushButton>(w, "btnPreview_1"), Qt::LeftButton);
        QCOMPARE(w->zoomPercent(), 110);
        QTest::keyClick(w, Qt::Key_Minus, Qt::KeypadModifier);
        QTest::keyClick(w, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(w->zoomPercent(), 90);
        zoom->setCurrentIndex(0);
        w->ZoomIn();
        QCOMPARE(w->zoomPercent(), 200);
        zoom->setCurrentIndex(17);
        w->ZoomOut();
        QCOMPARE(w->zoomPercent(), 30);
    }

    void scrollBarsFollowThePageSize()
    {
        auto w = open(1);
        w->resize(1000, 700);
        QComboBox* zoom = child<QComboBox>(w, "cboPercent");
        QScrollBar* vertical = child<QScrollBar>(w, "vscPreview");
        QScrollBar* horizontal = child<QScrollBar>(w, "hscPreview");
        QWidget* corner = child<QWidget>(w, "imgCorner");
        zoom->setCurrentText(QStringLiteral("30%"));
        QVERIFY(!vertical->isVisible());
        QVERIFY(!horizontal->isVisible());
        QVERIFY(!corner->isVisible());
        zoom->setCurrentText(QStringLiteral("200%"));
        QVERIFY(vertical->isVisible());
        QVERIFY(horizontal->isVisible());
        QVERIFY(corner->isVisible());
        QTest::keyClick(w, Qt::Key_PageDown);
        QCOMPARE(vertical->value(), vertical->maximum());
        QVERIFY(child<QWidget>(w, "picChild")->mapTo(child<QWidget>(w, "picParent"), QPoint()).y() <
                0);
        QTest::keyClick(w, Qt::Key_PageUp);
        QCOMPARE(vertical->value(), 0);
    }

    void printDoneAndEscapeClose()
    {
        auto w = open(2);
        QTest::mouseClick(child<QPushButton>(w, "btnPreview_0"), Qt::LeftButton);
        QCOMPARE(m_prints, 1);
        QTRY_VERIFY(!w);
        w = open(2);
        QTest::mouseClick(child<QPushButton>(w, "cmdClose"), Qt::LeftButton);
        QTRY_VERIFY(!w);
        w = open(2);
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!w);
        QCOMPARE(m_prints, 1);
    }

    void theFirstInstanceClosesWhenAnotherWindowIsActivated()
    {
        auto first = open(1, true);
        QVERIFY(first && first->isActiveWindow());
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!first);
        auto second = open(1, false);
        QVERIFY(second->isActiveWindow());
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        QVERIFY(second);
        QVERIFY(second->isVisible());
    }

    void savePdfWritesEveryPage()
    {
        auto w = open(3);
        const QString target = m_dir.filePath("saved.pdf");
        // Over a file that is there: it is replaced whole, with nothing left beside it.
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older file") > 0);
        old.close();
        Messages::setNextSaveFile(target);
        QTest::mouseClick(child<QPushButton>(w, "btnSavePdf"), Qt::LeftButton);
        const PdfText saved(target);
        QCOMPARE(saved.pageCount(), 3);
        PrintRoutines::PrintRichText(*m_box, 1440, 1440, 1440, 1440);
        QCOMPARE(PdfText(m_dir.filePath("paper.pdf")).pageCount(), saved.pageCount());
        QVERIFY(saved.text().contains("Page 3"));
        // One inch from the edge, as on paper.
        QVERIFY(qAbs(saved.inkBox(1).left() - 72) < 3);
        QVERIFY(w->isVisible());
        QCOMPARE(QDir(m_dir.path()).entryList({"saved.pdf*"}, QDir::Files).size(), 1);
    }
};

QTEST_MAIN(PreviewWindowTest)
#include "tst_preview_window.moc"
