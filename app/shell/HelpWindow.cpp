#include "HelpWindow.h"

#include "shell/ProgramFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QLabel>
#include <QSplitter>
#include <QStandardPaths>
#include <QTextBrowser>

namespace {

// Shows the help's pages, which live inside the compiled help file.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine) {}

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (name.scheme() == QLatin1String("qthelp"))
            return m_engine->fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine* m_engine;
};

} // namespace

QString HelpWindow::helpFile()
{
    return ProgramFolder::file(QStringLiteral("help/CindrelHelp.qch"));
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Cindrel Help"));
    resize(900, 640);
    auto* layout = new QHBoxLayout(this);

    if (!QFileInfo(helpFile()).isFile()) {
        m_missing = new QLabel(
            QStringLiteral("The help file \"%1\" is missing. Reinstall Cindrel to get it back.")
                .arg(helpFile()),
            this);
        m_missing->setObjectName(QStringLiteral("helpMissing"));
        m_missing->setWordWrap(true);
        layout->addWidget(m_missing);
        return;
    }

    // The help engine writes to its collection, and the program folder may be read-only: it
    // works on the user's own copy of the help, renewed when the shipped one is newer.
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
    QDir().mkpath(folder);
    for (const char* name : {"CindrelHelp.qch", "CindrelHelp.qhc"}) {
        const QFileInfo shipped(ProgramFolder::file(QStringLiteral("help/") + QLatin1String(name)));
        const QFileInfo copy(folder + QLatin1Char('/') + QLatin1String(name));
        if (!copy.exists() || copy.lastModified() < shipped.lastModified()) {
            QFile::remove(copy.filePath());
            QFile::copy(shipped.filePath(), copy.filePath());
            QFile::setPermissions(copy.filePath(), QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    m_engine = new QHelpEngine(folder + QStringLiteral("/CindrelHelp.qhc"), this);
    m_engine->setupData();

    auto* splitter = new QSplitter(this);
    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    m_page = new HelpBrowser(m_engine, splitter);
    m_page->setObjectName(QStringLiteral("helpPage"));
    splitter->addWidget(contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 3);
    layout->addWidget(splitter);
    connect(contents, &QHelpContentWidget::linkActivated, m_page,
            [this](const QUrl& url) { m_page->setSource(url); });
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this, contents] { contents->expandAll(); });
    m_engine->contentModel()->createContents(QString());
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showContents()
{
    if (m_page)
        m_page->setSource(QUrl(QStringLiteral("qthelp://org.cindrel.help/doc/index.html")));
    show();
    raise();
    activateWindow();
}
