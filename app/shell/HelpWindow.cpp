#include "HelpWindow.h"

#include "data/ProgramFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QImage>
#include <QLabel>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Shows the help's pages, which live inside the compiled help file, with every picture
// narrowed to fit the pane.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine)
    {
        connect(this, &QTextBrowser::sourceChanged, this, [this] { fitPictures(); });
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (name.scheme() == QLatin1String("qthelp"))
            return m_engine->fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTextBrowser::resizeEvent(event);
        fitPictures();
    }

private:
    void fitPictures();

    QHelpEngine* m_engine;
};

void HelpBrowser::fitPictures()
{
    QTextDocument* doc = document();
    const qreal room = viewport()->width() - 2 * doc->documentMargin() - 8;
    if (room <= 0)
        return;
    struct Picture
    {
        int position;
        QTextImageFormat format;
    };
    QList<Picture> pictures;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                pictures.append({fragment.position(), fragment.charFormat().toImageFormat()});
        }
    }
    for (Picture& p : pictures) {
        const QUrl url(p.format.name());
        QImage image;
        const QVariant data = doc->resource(QTextDocument::ImageResource, url);
        if (data.canConvert<QImage>())
            image = data.value<QImage>();
        if (image.isNull())
            image = QImage::fromData(loadResource(QTextDocument::ImageResource, url).toByteArray());
        if (image.isNull())
            continue;
        const qreal width = std::min<qreal>(image.width(), room);
        p.format.setWidth(width);
        p.format.setHeight(image.height() * width / image.width());
        QTextCursor cursor(doc);
        cursor.setPosition(p.position);
        cursor.setPosition(p.position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(p.format);
    }
}

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
    auto* tabs = new QTabWidget(splitter);
    tabs->setObjectName(QStringLiteral("helpTabs"));
    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    tabs->addTab(contents, QStringLiteral("Contents"));

    // Full-text search over every page; the index is made once, beside the user's copy.
    QHelpSearchEngine* search = m_engine->searchEngine();
    auto* searchTab = new QWidget(tabs);
    auto* searchLayout = new QVBoxLayout(searchTab);
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName(QStringLiteral("helpSearch"));
    QHelpSearchResultWidget* results = search->resultWidget();
    results->setObjectName(QStringLiteral("helpResults"));
    searchLayout->addWidget(query);
    searchLayout->addWidget(results, 1);
    tabs->addTab(searchTab, QStringLiteral("Search"));
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });

    m_page = new HelpBrowser(m_engine, splitter);
    m_page->setObjectName(QStringLiteral("helpPage"));
    connect(results, &QHelpSearchResultWidget::requestShowLink, m_page,
            [this](const QUrl& url) { m_page->setSource(url); });
    splitter->addWidget(tabs);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 3);
    layout->addWidget(splitter);
    connect(contents, &QHelpContentWidget::linkActivated, m_page,
            [this](const QUrl& url) { m_page->setSource(url); });
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this, contents] { contents->expandAll(); });
    m_engine->contentModel()->createContents(QString());
    search->scheduleIndexDocumentation();
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
