#pragma once

#include "document/FramePlace.h"

#include <QChar>
#include <QList>
#include <QObject>
#include <QTextCursor>
#include <array>
#include <utility>
#include <vector>

class QTextDocument;

namespace pagora {

// What a document says of its pages beyond its text: the paper and margins it was written
// for, its headers and footers, and its footnotes, each a document of its own. It lives as a child
// of the document it belongs to; a document without one prints on the printer's page.
class PageStyle : public QObject
{
    Q_OBJECT
public:
    enum Part
    {
        Header,
        HeaderLeft,
        HeaderRight,
        HeaderFirst,
        Footer,
        FooterLeft,
        FooterRight,
        FooterFirst,
        PartCount,
    };
    // Stand-ins in a header's or footer's text for the page number and the page count.
    static constexpr QChar PageNumber{u'\uE000'};
    static constexpr QChar PageCount{u'\uE001'};

    // The document's page style, or none.
    static PageStyle* of(const QTextDocument* document);
    // The document's page style, made when it has none.
    static PageStyle& in(QTextDocument* document);

    // Twips; 0 (paper) or -1 (margins) where the file says nothing.
    int paperWidth = 0;
    int paperHeight = 0;
    int marginLeft = -1;
    int marginRight = -1;
    int marginTop = -1;
    int marginBottom = -1;
    bool landscape = false;
    int headerY = 720;        // from the paper's top edge to the header's top
    int footerY = 720;        // from the paper's bottom edge to the footer's bottom
    bool facingPages = false; // left and right pages have theirs

    // Whether the file gave its page's size or margins.
    bool givesPage() const;

    // A section after the first begins: its parts are those of the one before until it gives
    // its own. Its text starts where startSection() says, and so does that of the sections
    // before it that had none.
    void addSection();
    void startSection(int position);
    // The latest section's first page has a header and footer of its own.
    void setTitlePage();
    // The latest section's own part, or none.
    QTextDocument* part(Part part) const;
    // A part's text in the latest section, made empty when it has none yet.
    QTextDocument* makePart(Part part);
    // The header (or footer) of page `page`, from 1, whose text runs from character `from`
    // to `to` (not included), or none.
    QTextDocument* header(int page, int from, int to) const
    {
        return forPage(Header, page, from, to);
    }
    QTextDocument* footer(int page, int from, int to) const
    {
        return forPage(Footer, page, from, to);
    }
    // Whether any part shows the page count.
    bool countsPages() const;

    // A note and where its mark is in the document's text; a cursor, so that it follows
    // edits.
    struct Note
    {
        QTextDocument* text;
        QTextCursor mark;
    };
    QTextDocument* addNote(QTextDocument* body, int position);
    const QList<Note>& notes() const { return m_notes; }
    // The notes are printed at the end of the text instead: taken out of here.
    QList<Note> takeNotes() { return std::exchange(m_notes, {}); }
    bool notesAtEnd = false; // \enddoc, \endnotes, \fet1

    // A positioned frame's paragraphs, out of the text's flow, and where they are anchored:
    // the page they are printed on is the one that holds the anchor.
    struct Frame
    {
        QTextDocument* text;
        QTextCursor anchor;
        FramePlace place;
    };
    QTextDocument* addFrame(QTextDocument* body, int position, const FramePlace& place);
    const QList<Frame>& frames() const { return m_frames; }

private:
    struct Section
    {
        int start = -1; // not known until its text comes
        // Its own parts, and those it takes from the sections before it.
        std::array<QTextDocument*, PartCount> parts{};
        std::array<bool, PartCount> own{};
        bool titlePage = false;
    };

    explicit PageStyle(QObject* parent);
    QTextDocument* forPage(Part all, int page, int from, int to) const;
    // A place in the body's text that stays before the text written at it.
    static QTextCursor anchor(QTextDocument* body, int position);

    std::vector<Section> m_sections{Section{0, {}, {}, false}};
    size_t m_started = 1; // the sections whose text has come, from the first
    QList<Note> m_notes;
    QList<Frame> m_frames;
};

} // namespace pagora
