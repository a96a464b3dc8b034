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

private:
    bool m_valid = false;
    int m_pages = 0;
    QSizeF m_pageSize;
    QString m_text;
    QList<Word> m_words;
};
