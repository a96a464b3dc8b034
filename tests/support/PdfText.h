#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// What a PDF holds, read back with poppler's command-line tools.
class PdfText
{
public:
    struct Word
    {
        int page;
        QRectF box; // points, from the page's top-left corner
        QString text;
    };

    explicit PdfText(const QString& path);

    bool isValid() const { return m_valid; }
    int pageCount() const { return m_pages; }
    QSizeF pageSize() const { return m_pageSize; } // points
    QString text() const { return m_text; }
    QList<Word> words() const { return m_words; }
    // The smallest rectangle around every word of a page.
    QRectF inkBox(int page) const;

    // The newest PDF that appears in `folder` after `since`, waiting up to `seconds`.
    static QString waitForNewPdf(const QString& folder, const QStringList& before,
                                 int seconds = 60);
    static QStringList pdfsIn(const QString& folder);

    // The text of the document that the test queue's last job was sent, before the queue's
    // own conversions (empty without the queue). The printer's PDF keeps the text of
    // Windows-1252 letters only: the PostScript step in between turns other fonts into
    // drawings, so other text is checked here.
    static QString lastJobText();
    // How many copies the test queue's last job asked for (0 without the queue).
    static int lastJobCopies();
    static bool isWindows1252(const QString& text);
    // Text as a PDF reader can give it back, for comparing typed values with printed ones:
    // no white space (columns pad and long values wrap), compatibility forms (a font may draw
    // a CJK ideograph and its radical with one glyph), and no letters beyond the basic plane
    // (emoji print, but no reader maps them back to text).
    static QString comparable(QString text);

private:
    bool m_valid = false;
    int m_pages = 0;
    QSizeF m_pageSize;
    QString m_text;
    QList<Word> m_words;
};
