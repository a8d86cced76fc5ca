#include "QStringPrinter.h"
#include "FakeOpener.h"
#include "MessageBoxCatcher.h"

#include "holmfc/HyperLink.h"
#include "view/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QString kTarget = QStringLiteral("https://www.example.org/page");

// A shown window holding one link and an edit field to move the focus to; it records the keys
// that reach it.
class CHost : public QWidget {
public:
    explicit CHost(unsigned style = CHyperLink::kDefaultStyle)
        : link(new CHyperLink(QStringLiteral("Example page"), this, style)), edit(new QLineEdit(this))
    {
        resize(400, 200);
        link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        link->setGeometry(20, 20, 300, 20);
        link->Attach();
        link->SetURL(kTarget);
        edit->setGeometry(20, 100, 200, 24);
        show();
        activateWindow();
        QApplication::processEvents();
    }

    CHyperLink* link;
    QLineEdit* edit;
    std::vector<int> keysReceived;

protected:
    void keyPressEvent(QKeyEvent* event) override { keysReceived.push_back(event->key()); }
};

void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(3, 3), button);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(3, 3), button);
}

void SendKey(QWidget* widget, int key, bool autoRepeat = false)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget, &press);
}

void SendFocus(QWidget* widget, QEvent::Type type)
{
    QFocusEvent event(type, Qt::OtherFocusReason);
    QApplication::sendEvent(widget, &event);
}

// True when some pixel of the painted link has exactly that colour (the underline has).
bool PaintsColour(QWidget* widget, QRgb colour)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

} // namespace

TEST(HyperLink, TextColourTakesHoverThenFocusThenVisited)
{
    constexpr QRgb blue = CHyperLink::s_crLinkColour;
    constexpr QRgb teal = CHyperLink::s_crFocusColour;
    constexpr QRgb purple = CHyperLink::s_crVisitedColour;
    constexpr QRgb red = CHyperLink::s_crHoverColour;
    EXPECT_EQ(blue, qRgb(0, 0, 255));
    EXPECT_EQ(teal, qRgb(0, 128, 128));
    EXPECT_EQ(purple, qRgb(128, 0, 128));
    EXPECT_EQ(red, qRgb(255, 0, 0));

    struct Case {
        unsigned style;
        QRgb expected[8];  // by (over, focus, visited) as bits 4, 2, 1
    };
    const unsigned hover = CHyperLink::kDefaultStyle | CHyperLink::StyleHoverColour;
    const unsigned noFocus = CHyperLink::kDefaultStyle | CHyperLink::StyleNoFocusColour;
    const Case cases[] = {
        {CHyperLink::kDefaultStyle, {blue, purple, teal, teal, blue, purple, teal, teal}},
        {hover, {blue, purple, teal, teal, red, red, red, red}},
        {noFocus, {blue, purple, blue, purple, blue, purple, blue, purple}},
    };
    CFakeOpener opener;
    for (const Case& c : cases) {
        for (int state = 0; state < 8; ++state) {
            CHost host(c.style);
            CHyperLink* link = host.link;
            if (state & 1)
                link->FollowLink();
            if (state & 2)
                SendFocus(link, QEvent::FocusIn);
            if (state & 4)
                SendMouse(link, QEvent::MouseMove, QPoint(2, 2));
            ASSERT_EQ(link->IsVisited(), (state & 1) != 0);
            ASSERT_EQ(link->HasLinkFocus(), (state & 2) != 0);
            ASSERT_EQ(link->IsOverControl(), (state & 4) != 0);
            EXPECT_EQ(link->GetTextColour(), QColor(c.expected[state])) << "style " << c.style << " state " << state;
            EXPECT_TRUE(PaintsColour(link, c.expected[state])) << "style " << c.style << " state " << state;
        }
    }
}

TEST(HyperLink, HoldsTheMouseWhileThePointerIsOverIt)
{
    CHost host;
    CHyperLink* link = host.link;
    SendMouse(link, QEvent::MouseMove, QPoint(2, 2));
    EXPECT_TRUE(link->IsOverControl());
    EXPECT_EQ(QWidget::mouseGrabber(), link);
    SendMouse(link, QEvent::MouseMove, QPoint(link->width() - 1, link->height() - 1));
    EXPECT_EQ(QWidget::mouseGrabber(), link);

    SendMouse(link, QEvent::MouseMove, QPoint(link->width(), 2));
    EXPECT_FALSE(link->IsOverControl());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    // Losing the focus also ends the hover and gives the mouse back.
    SendMouse(link, QEvent::MouseMove, QPoint(2, 2));
    SendFocus(link, QEvent::FocusOut);
    EXPECT_FALSE(link->IsOverControl());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(HyperLink, ClickFollowsOnReleaseAndShowsVisitedOnceTheFocusLeaves)
{
    CFakeOpener opener;
    CHost host;
    CHyperLink* link = host.link;

    Click(link, Qt::RightButton);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(link->HasLinkFocus());

    SendMouse(link, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
    EXPECT_TRUE(link->HasLinkFocus());
    EXPECT_TRUE(opener.opened.isEmpty());
    SendMouse(link, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::LeftButton);
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl(kTarget));
    EXPECT_TRUE(link->IsVisited());
    EXPECT_EQ(link->GetTextColour(), QColor(CHyperLink::s_crFocusColour));

    SendFocus(link, QEvent::FocusOut);
    EXPECT_FALSE(link->HasLinkFocus());
    EXPECT_EQ(link->GetTextColour(), QColor(CHyperLink::s_crVisitedColour));

    // With StyleFollowOnPress the press follows and the release does not follow again.
    CHost early(CHyperLink::kDefaultStyle | CHyperLink::StyleFollowOnPress);
    SendMouse(early.link, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
    EXPECT_EQ(opener.opened.size(), 2);
    SendMouse(early.link, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::LeftButton);
    EXPECT_EQ(opener.opened.size(), 2);
}

TEST(HyperLink, SpaceBarFollowsAndOtherKeysGoOnToTheParent)
{
    CFakeOpener opener;
    CHost host;
    SendKey(host.link, Qt::Key_Space);
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(host.link->IsVisited());
    SendKey(host.link, Qt::Key_Space, true);
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(host.keysReceived.empty());

    SendKey(host.link, Qt::Key_A);
    SendKey(host.link, Qt::Key_Return);
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(host.keysReceived, (std::vector<int>{Qt::Key_A, Qt::Key_Return}));
}

TEST(HyperLink, FailureIsReportedAndLeavesTheLinkUnvisited)
{
    CFakeOpener opener;
    opener.desktopAccepts = false;
    CHost host;
    const CShownMessage shown = CatchMessageBoxes([&] { Click(host.link); });
    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(shown.text, QStringLiteral("Can't open link:\n\nThere is no application associated\n"
                                         "with the given filename extension."));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_FALSE(host.link->IsVisited());

    // The default browser is the way out when the desktop has no program for the target.
    opener.browserCommand = QStringLiteral("/usr/bin/browser %u");
    const CShownMessage none = CatchMessageBoxes([&] { Click(host.link); });
    EXPECT_EQ(none.count, 0);
    EXPECT_TRUE(host.link->IsVisited());
    ASSERT_EQ(opener.started.size(), 1);
    EXPECT_EQ(opener.started[0], (QStringList{QStringLiteral("/usr/bin/browser"), kTarget}));
}

TEST(HyperLink, AttachPreparesTheLabelAndFitsItToItsTextByAlignment)
{
    QWidget parent;
    parent.resize(600, 300);

    auto* unnamed = new CHyperLink(QStringLiteral("Manual/index.html"), &parent);
    unnamed->Attach();
    EXPECT_EQ(unnamed->GetURL(), QStringLiteral("Manual/index.html"));
    EXPECT_EQ(unnamed->toolTip(), QStringLiteral("Manual/index.html"));
    EXPECT_TRUE(unnamed->font().underline());
    EXPECT_EQ(unnamed->cursor().shape(), Qt::PointingHandCursor);

    auto* blank = new CHyperLink(QString(), &parent);
    blank->SetURL(QStringLiteral("mailto:someone@example.org"));
    blank->Attach();
    EXPECT_EQ(blank->text(), QStringLiteral("mailto:someone@example.org"));

    const QRect box(100, 50, 300, 40);
    auto place = [&](Qt::Alignment alignment, unsigned style) {
        auto* link = new CHyperLink(QStringLiteral("Fits its text"), &parent, style);
        link->setAlignment(alignment);
        link->setGeometry(box);
        link->Attach();
        return link;
    };
    const CHyperLink* leftTop = place(Qt::AlignLeft | Qt::AlignTop, CHyperLink::kDefaultStyle);
    const QFontMetrics metrics(leftTop->font());
    const int textWidth = metrics.horizontalAdvance(leftTop->text());
    EXPECT_EQ(leftTop->geometry(), QRect(100, 50, textWidth, metrics.height()));

    const QRect centred = place(Qt::AlignHCenter | Qt::AlignVCenter, CHyperLink::kDefaultStyle)->geometry();
    EXPECT_LE(std::abs(centred.center().x() - box.center().x()), 1);
    EXPECT_LE(std::abs(centred.center().y() - box.center().y()), 1);
    EXPECT_EQ(centred.width(), textWidth);

    const QRect right = place(Qt::AlignRight | Qt::AlignTop, CHyperLink::kDefaultStyle)->geometry();
    EXPECT_EQ(right.right(), box.right());
    EXPECT_EQ(right.width(), textWidth);

    // A frame around the text is kept around the fitted text.
    auto* framed = new CHyperLink(QStringLiteral("Framed"), &parent);
    framed->setFrameStyle(QFrame::Box | QFrame::Plain);
    framed->setLineWidth(2);
    framed->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    framed->setGeometry(box);
    framed->Attach();
    EXPECT_EQ(framed->width(), QFontMetrics(framed->font()).horizontalAdvance(QStringLiteral("Framed")) + 4);
    EXPECT_EQ(framed->contentsRect().height(), QFontMetrics(framed->font()).height());

    const unsigned plainStyle = CHyperLink::StyleFocusOnClick | CHyperLink::StyleNoHandCursor;
    const CHyperLink* plain = place(Qt::AlignLeft | Qt::AlignTop, plainStyle);
    EXPECT_EQ(plain->geometry(), box);
    EXPECT_FALSE(plain->font().underline());
    EXPECT_FALSE(plain->testAttribute(Qt::WA_SetCursor));
}
