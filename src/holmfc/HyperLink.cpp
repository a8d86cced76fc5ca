#include "holmfc/HyperLink.h"

#include "holmfc/BrowserCommand.h"
#include "holmfc/UrlOpener.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace {

// "URL:" marks an address in running text; it is not part of the address.
QString StripUrlPrefix(const QString& target)
{
    const QLatin1String prefix("URL:");
    return target.startsWith(prefix, Qt::CaseInsensitive) ? target.mid(prefix.size()) : target;
}

// The target as a URL: anything with a scheme of two or more letters is taken as a URL, the rest
// (including Windows paths with a drive letter) as a local file, made absolute.
QUrl ToUrl(const QString& address)
{
    const QUrl url(address, QUrl::TolerantMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath());
}

// Why a local file cannot be opened, or kOpened when it is there to be read.
int CheckLocalFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return file.absoluteDir().exists() ? CHyperLink::kErrorFileNotFound : CHyperLink::kErrorPathNotFound;
    if (!file.isReadable())
        return CHyperLink::kErrorAccessDenied;
    return CHyperLink::kOpened;
}

} // namespace

CHyperLink::CHyperLink(const QString& text, QWidget* parent, unsigned style)
    : QLabel(text, parent), m_nStyle(style)
{
    setMouseTracking(true);
    // Reached with Tab like any control of a dialog; taken by a click only with the style bit.
    setFocusPolicy((m_nStyle & StyleFocusOnClick) ? Qt::StrongFocus : Qt::TabFocus);
    setTextFormat(Qt::PlainText);
}

void CHyperLink::Attach()
{
    if (m_strURL.isEmpty())
        m_strURL = text();
    if (text().isEmpty())
        setText(m_strURL);
    QFont underlined = font();
    underlined.setUnderline((m_nStyle & StyleUnderline) != 0);
    setFont(underlined);
    m_attached = true;
    PositionWindow();
    if (!(m_nStyle & StyleNoHandCursor))
        setCursor(Qt::PointingHandCursor);
    setToolTip(m_strURL);
}

void CHyperLink::SetURL(const QString& url)
{
    m_strURL = url;
    if (!m_attached)
        return;
    PositionWindow();
    setToolTip(m_strURL);
}

QColor CHyperLink::GetTextColour() const
{
    if (m_bOverControl && (m_nStyle & StyleHoverColour))
        return QColor(s_crHoverColour);
    if (m_bHasFocus && !(m_nStyle & StyleNoFocusColour))
        return QColor(s_crFocusColour);
    if (m_bVisited)
        return QColor(s_crVisitedColour);
    return QColor(s_crLinkColour);
}

void CHyperLink::PositionWindow()
{
    if (!(m_nStyle & StyleFitToText))
        return;
    const QRect client = contentsRect();
    const int borderWidth = width() - client.width();
    const int borderHeight = height() - client.height();
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const int textHeight = metrics.height();

    // The new top-left corner in the parent's coordinates: centred text keeps its middle,
    // right-aligned text its right edge, the rest the top-left corner.
    int left = x();
    int top = y();
    if (alignment() & Qt::AlignVCenter)
        top += (client.height() - textHeight) / 2;
    if (alignment() & Qt::AlignHCenter)
        left += (client.width() - textWidth) / 2;
    else if (alignment() & Qt::AlignRight)
        left += client.width() - textWidth;
    setGeometry(left, top, textWidth + borderWidth, textHeight + borderHeight);
    update();
}

void CHyperLink::FollowLink()
{
    // A message box or a browser window is about to take the mouse and the keyboard.
    LeaveControl();
    const int result = GotoURL(m_strURL);
    if (result <= 32) {
        QApplication::beep();
        ReportError(result, this);
        return;
    }
    m_bVisited = true;
    update();
}

int CHyperLink::GotoURL(const QString& url)
{
    const QString address = StripUrlPrefix(url);
    const QUrl target = ToUrl(address);
    if (target.isLocalFile()) {
        const int check = CheckLocalFile(target.toLocalFile());
        if (check != kOpened)
            return check;
    }
    CUrlOpener& opener = CUrlOpener::Get();
    if (opener.OpenUrl(target))
        return kOpened;

    // The desktop has no program for it: try the default web browser. It gets the encoded URL,
    // which starts with its scheme, so that no target (a file named "-new-window", say) can
    // arrive as an option, and which holds no space or quote for the command line to split.
    CBrowserCommand command;
    if (!command.Build(opener.GetBrowserCommand(), target.toString(QUrl::FullyEncoded)))
        return kErrorNoAssociation;
    return opener.StartProcess(command.GetProgram(), command.GetArguments()) ? kOpened : kErrorOutOfResources;
}

QString CHyperLink::GetErrorMessage(int code)
{
    QString reason;
    switch (code) {
    case 0: reason = tr("The operating system is out\nof memory or resources."); break;
    case 2: reason = tr("The specified file was not found."); break;
    case 3: reason = tr("The specified path was not found."); break;
    case 5: reason = tr("The operating system denied\naccess to the specified file."); break;
    case 8: reason = tr("There was not enough memory to complete the operation."); break;
    case 11: reason = tr("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."); break;
    case 26: reason = tr("A sharing violation occurred. "); break;
    case 27: reason = tr("The filename association is\nincomplete or invalid."); break;
    case 28: reason = tr("The DDE transaction could not\nbe completed because the request timed out."); break;
    case 29: reason = tr("The DDE transaction failed."); break;
    case 30:
        reason = tr("The DDE transaction could not\nbe completed because other DDE transactions\n"
                    "were being processed.");
        break;
    case 31: reason = tr("There is no application associated\nwith the given filename extension."); break;
    case 32: reason = tr("The specified dynamic-link library was not found."); break;
    default: reason = tr("Unknown Error (%1) occurred.").arg(code); break;
    }
    return tr("Can't open link:\n\n") + reason;
}

void CHyperLink::ReportError(int code, QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), GetErrorMessage(code),
                    QMessageBox::Ok, parent);
    box.exec();
}

void CHyperLink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(GetTextColour());
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
    // The keyboard's place: a dotted frame around the focused link.
    if (hasFocus()) {
        painter.setPen(QPen(GetTextColour(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event)
{
    // While a button is held the moves keep coming after the pointer left: only those over the
    // link take the mouse again.
    const bool inside = rect().contains(event->position().toPoint());
    if (!m_bOverControl && inside) {
        m_bOverControl = true;
        update();
        grabMouse();
    } else if (m_bOverControl && !inside) {
        LeaveControl();
    }
}

void CHyperLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    if (m_nStyle & StyleFollowOnPress)
        FollowLink();
    m_bHasFocus = true;
    update();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // The release must come over the link: one that left it with the button down gave the mouse
    // back, and a release elsewhere is not the link's.
    if (m_bHasFocus && !(m_nStyle & StyleFollowOnPress) && rect().contains(event->position().toPoint()))
        FollowLink();
}

void CHyperLink::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat())
            FollowLink();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CHyperLink::focusInEvent(QFocusEvent* event)
{
    m_bHasFocus = true;
    update();
    QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event)
{
    LeaveControl();
    m_bHasFocus = false;
    update();
    QLabel::focusOutEvent(event);
}

void CHyperLink::hideEvent(QHideEvent* event)
{
    LeaveControl();
    QLabel::hideEvent(event);
}

void CHyperLink::LeaveControl()
{
    if (!m_bOverControl)
        return;
    m_bOverControl = false;
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    update();
}
