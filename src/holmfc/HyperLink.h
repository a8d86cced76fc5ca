#pragma once
#include <QColor>
#include <QLabel>

class QUrl;

// A text label that behaves like a link in a web page: drawn in link colours and underlined, with
// a hand cursor and a tool tip naming its target, it opens the target (a web address, a "mailto:"
// address or a local file) through the desktop when clicked or when the space bar is pressed.
// It takes its place in its dialog's Tab order; the focused link shows the focus colour and a
// dotted frame. A press that leaves the link before its release is no click.
//
// The owner creates it with its text, alignment and place in the parent, then calls Attach. The
// alignment decides how the label fits itself to its text: horizontally centred labels keep their
// centre, right-aligned ones their right edge, the others their left edge; vertically centred ones
// keep their middle, the others their top.
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    // Style bits.
    enum : unsigned {
        StyleUnderline = 0x01,      // the font is underlined
        StyleHoverColour = 0x02,    // the hover colour shows while the mouse is over the link
        StyleFitToText = 0x04,      // the label is resized to fit its text
        StyleFollowOnPress = 0x08,  // the link is followed when the button goes down, not up
        StyleFocusOnClick = 0x10,   // a click gives the label the focus
        StyleNoHandCursor = 0x20,   // the pointer keeps the default cursor
        StyleNoFocusColour = 0x40,  // the focus colour is not used
    };
    static constexpr unsigned kDefaultStyle = StyleUnderline | StyleFitToText | StyleFocusOnClick;

    // Text colours, shared by all links.
    static constexpr QRgb s_crLinkColour = qRgb(0, 0, 255);
    static constexpr QRgb s_crFocusColour = qRgb(0, 128, 128);
    static constexpr QRgb s_crVisitedColour = qRgb(128, 0, 128);
    static constexpr QRgb s_crHoverColour = qRgb(255, 0, 0);

    // Results of GotoURL: a value above 32 is success, 32 or less one of these error codes.
    enum : int {
        kOpened = 33,
        kErrorOutOfResources = 0,
        kErrorFileNotFound = 2,
        kErrorPathNotFound = 3,
        kErrorAccessDenied = 5,
        kErrorNoAssociation = 31,
    };

    explicit CHyperLink(const QString& text, QWidget* parent = nullptr, unsigned style = kDefaultStyle);

    // Prepares the label once it has its text, font and place: a label without a target takes its
    // text as the target and one without text shows its target; the font gets the underline of the
    // style; the label fits itself to its text, takes the hand cursor and shows the target as its
    // tool tip.
    void Attach();

    // Sets the target; an attached label fits itself to its text again and updates its tool tip.
    void SetURL(const QString& url);
    const QString& GetURL() const { return m_strURL; }

    bool IsVisited() const { return m_bVisited; }
    bool IsOverControl() const { return m_bOverControl; }
    bool HasLinkFocus() const { return m_bHasFocus; }

    // The text colour for the present state: hover (only with StyleHoverColour), then focus
    // (unless StyleNoFocusColour), then visited, then the plain link colour.
    QColor GetTextColour() const;

    // Resizes the label to its text by the alignment rules above (only with StyleFitToText).
    void PositionWindow();

    // Opens the target; a failure beeps and is reported, a success marks the link visited.
    void FollowLink();

    // Opens url through the desktop; when the desktop has no program for it, starts the default
    // web browser on its encoded URL (a local file as an absolute file:// URL). A "URL:" prefix is not part of the address. Returns kOpened or an error
    // code of ReportError's table.
    static int GotoURL(const QString& url);

    // Tells the user that a link could not be opened, with the text for the error code, in a
    // message box with the exclamation icon and an OK button.
    static void ReportError(int code, QWidget* parent = nullptr);

    // The message of ReportError for code.
    static QString GetErrorMessage(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Ends the hover state and gives the mouse back.
    void LeaveControl();

    bool m_bHasFocus = false;
    bool m_bOverControl = false;
    bool m_bVisited = false;
    unsigned m_nStyle;
    bool m_attached = false;
    QString m_strURL;
};
