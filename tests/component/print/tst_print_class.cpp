// The class Print and its three methods, with the windows they open.
#include "component/printing/FakePrinter.h"
#include "pagora/Print.h"
#include "print/ComponentState.h"
#include "print/Print.h"
#include "support/PdfText.h"
#include "windows/Messages.h"
#include "windows/PreviewWindow.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using namespace pagora;

namespace {

_Print* newPrint()
{
    return static_cast<_Print*>(Print::create(PrintInterfaceId));
}

QList<PreviewWindow*> previews(const char* name)
{
    QList<PreviewWindow*> list;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* p = qobject_cast<PreviewWindow*>(w);
        if (p && p->objectName() == QLatin1String(name) && p->isVisible())
            list << p;
    }
    return list;
}

} // namespace

class PrintClassTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeRtf(const QString& name, const QByteArray& text)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text);
        return path;
    }

private slots:
    void init()
    {
        Messages::setAnswering(true);
        Messages::clear();
        Printer::setCurrent(std::make_unique<FakePrinter>(m_dir.filePath("paper.pdf"), true));
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QTest::qWait(1);
    }

    void theLastCallsFileWins()
    {
        const QString one = writeRtf("one.rtf", "{\\rtf1 First document}");
        const QString two = writeRtf("two.rtf", "{\\rtf1 Second document\\page more}");
        _Print* a = newPrint();
        _Print* b = newPrint();
        QCOMPARE(a->MyFile(), QString());
        a->putMyFile(one);
        b->putMyFile(two);
        QVERIFY(!a->ShowPreview().isValid());
        QCOMPARE(ComponentState::currentFile(), one);
        QVERIFY(!b->ShowPreview().isValid());
        QCOMPARE(ComponentState::currentFile(), two);
        QCOMPARE(a->lastError().number, 0);
        const auto shown = previews("frmJustPreview");
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.last()->pageCount() + shown.first()->pageCount(), 3);
        // Releasing the objects leaves their previews open and usable.
        a->Release();
        b->Release();
        QCOMPARE(previews("frmJustPreview").size(), 2);
        previews("frmJustPreview").first()->ZoomIn();
    }

    void aMissingOrEmptyFileIsTheCallsError()
    {
        _Print* p = newPrint();
        for (const QString& file : {QString(), m_dir.filePath("missing.rtf")}) {
            p->putMyFile(file);
            for (auto method : {&_Print::ShowPreview, &_Print::EditFilefile, &_Print::Send2Print}) {
                QVERIFY(!(p->*method)().isValid());
                QCOMPARE(p->lastError().number, 53);
                QVERIFY(p->lastError().description.contains("not found"));
            }
            p->SavePdf(m_dir.filePath("missing.pdf"));
            QCOMPARE(p->lastError().number, 53);
            QVERIFY(!QFile::exists(m_dir.filePath("missing.pdf")));
        }
        p->putMyFile(writeRtf("text.rtf", "plain words, no RTF"));
        p->ShowPreview();
        QCOMPARE(p->lastError().number, 321);
        QVERIFY(p->lastError().description.contains("not an RTF file"));
        QVERIFY(previews("frmJustPreview").isEmpty());
        QVERIFY(previews("frmPreview").isEmpty());
        QVERIFY(Messages::recorded().isEmpty());
        p->Release();
    }

    void withoutAPrinterSend2PrintReturnsThePrinterError()
    {
        Printer::setCurrent(std::make_unique<FakePrinter>(m_dir.filePath("none.pdf"), false));
        _Print* p = newPrint();
        p->putMyFile(writeRtf("doc.rtf", "{\\rtf1 Results}"));
        p->Send2Print();
        QCOMPARE(p->lastError().number, 482);
        QVERIFY(Messages::recorded().isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath("none.pdf")));
        // Neither does a PDF file.
        p->SavePdf(m_dir.filePath("saved.pdf"));
        QCOMPARE(p->lastError().number, 0);
        QVERIFY(PdfText(m_dir.filePath("saved.pdf")).text().contains("Results"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("saved.pdf").size(), 1);
        // The preview needs no paper.
        p->ShowPreview();
        QCOMPARE(p->lastError().number, 0);
        QCOMPARE(previews("frmJustPreview").size(), 1);
        // Its "&Print" tells the user, once, and prints nothing.
        QTest::mouseClick(previews("frmJustPreview").first()->findChild<QWidget*>("btnPreview_0"),
                          Qt::LeftButton);
        QCOMPARE(Messages::recorded(),
                 QStringList({"Printer Error|" + Messages::printerErrorText()}));
        p->Release();
    }

    void theEditorOpensBesideItsPreview()
    {
        _Print* p = newPrint();
        p->putMyFile(writeRtf("doc.rtf", "{\\rtf1 Editable\\page second}"));
        p->EditFilefile();
        QCOMPARE(p->lastError().number, 0);
        QWidget* editor = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("OpenFile") && w->isVisible())
                editor = w;
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(),
                 QStringLiteral("Tessaly Print Preview ActiveX Object - Edit File"));
        QCOMPARE(previews("frmPreview").size(), 1);
        QCOMPARE(previews("frmPreview").first()->pageCount(), 2);
        p->Release();
    }

    void lateBoundCallsUseTheDispatchIds()
    {
        _Print* p = newPrint();
        p->Invoke(DispMyFile, {QStringLiteral("/tmp/x.rtf")}, true);
        QCOMPARE(p->MyFile(), QStringLiteral("/tmp/x.rtf"));
        QCOMPARE(p->Invoke(DispMyFile, {}, false).toString(), QStringLiteral("/tmp/x.rtf"));
        p->putMyFile(QString());
        p->Invoke(DispShowPreview, {}, false);
        QCOMPARE(p->lastError().number, 53);
        p->Invoke(0x12345, {}, false);
        QCOMPARE(p->lastError().number, 438);
        p->Release();
    }
};

QTEST_MAIN(PrintClassTest)
#include "tst_print_class.moc"
