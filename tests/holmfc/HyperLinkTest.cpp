#include "FakeOpener.h"
#include "QStringPrinter.h"

#include "holmfc/HyperLink.h"
#include "common/QtTestApp.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kTarget = QStringLiteral("https://www.example.org/page");

// A shown window holding one link; it records the keys that reach it.
class CHost : public QWidget {
public:
    explicit CHost(unsigned style = CHyperLink::kDefaultStyle) : link(new CHyperLink(QStringLiteral("Page"), this, style))
    {
        resize(300, 100);
        link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        link->setGeometry(20, 20, 200, 20);
        link->Attach();
        link->SetURL(kTarget);
        show();
    }
    CHyperLink* link;
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

void Press(QWidget* widget, QEvent::Type type)
{
    SendMouse(widget, type, QPoint(3, 3), Qt::LeftButton);
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
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

} // namespace

TEST(HyperLink, TextColourTakesHoverThenFocusThenVisited)
{
    const QRgb blue = qRgb(0, 0, 255), teal = qRgb(0, 128, 128), purple = qRgb(128, 0, 128), red = qRgb(255, 0, 0);
    struct Case {
        unsigned style;
        QRgb expected[8];  // by state: over 4, focus 2, visited 1
    };
    const Case cases[] = {
        {CHyperLink::kDefaultStyle, {blue, purple, teal, teal, blue, purple, teal, teal}},
        {CHyperLink::kDefaultStyle | CHyperLink::StyleHoverColour, {blue, purple, teal, teal, red, red, red, red}},
        {CHyperLink::kDefaultStyle | CHyperLink::StyleNoFocusColour, {blue, purple, blue, purple, blue, purple, blue, purple}},
    };
    CFakeOpener opener;
    for (const Case& c : cases) {
        for (int state = 0; state < 8; ++state) {
            CHost host(c.style);
            if (state & 1)
                host.link->FollowLink();
            if (state & 2)
                SendFocus(host.link, QEvent::FocusIn);
            if (state & 4)
                SendMouse(host.link, QEvent::MouseMove, QPoint(2, 2));
            EXPECT_TRUE(PaintsColour(host.link, c.expected[state])) << c.style << " state " << state;
        }
    }
}

TEST(HyperLink, HoldsTheMouseWhileOverItAndAClickFollowsOnReleaseOrWithStyleOnPress)
{
    CFakeOpener opener;
    CHost host;
    // Over the link it holds the mouse, to see the pointer leave; losing the focus lets it go.
    SendMouse(host.link, QEvent::MouseMove, QPoint(2, 2));
    EXPECT_EQ(QWidget::mouseGrabber(), host.link);
    SendFocus(host.link, QEvent::FocusOut);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    Press(host.link, QEvent::MouseButtonPress);
    EXPECT_TRUE(host.link->HasLinkFocus());
    EXPECT_TRUE(opener.opened.isEmpty());
    Press(host.link, QEvent::MouseButtonRelease);
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl(kTarget)});

    CHost early(CHyperLink::kDefaultStyle | CHyperLink::StyleFollowOnPress);
    Press(early.link, QEvent::MouseButtonPress);
    EXPECT_EQ(opener.opened.size(), 2);
    Press(early.link, QEvent::MouseButtonRelease);
    EXPECT_EQ(opener.opened.size(), 2);

    // Pressed, dragged off and released elsewhere: no click. Back over the link, the release
    // reaches it again and follows.
    const QPoint off(host.link->width(), 3); // the first point off the link
    Press(host.link, QEvent::MouseButtonPress);
    SendMouse(host.link, QEvent::MouseMove, QPoint(3, 3));
    SendMouse(host.link, QEvent::MouseMove, off);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    SendMouse(host.link, QEvent::MouseButtonRelease, off, Qt::LeftButton);
    EXPECT_EQ(opener.opened.size(), 2);
    Press(host.link, QEvent::MouseButtonPress);
    SendMouse(host.link, QEvent::MouseMove, off);
    SendMouse(host.link, QEvent::MouseMove, QPoint(3, 3));
    Press(host.link, QEvent::MouseButtonRelease);
    EXPECT_EQ(opener.opened.size(), 3);
}

TEST(HyperLink, SpaceBarFollowsAndOtherKeysGoOnToTheParent)
{
    CFakeOpener opener;
    CHost host;
    SendKey(host.link, Qt::Key_Space);
    SendKey(host.link, Qt::Key_Space, true);
    SendKey(host.link, Qt::Key_A);
    SendKey(host.link, Qt::Key_Return);
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(host.link->IsVisited());
    EXPECT_EQ(host.keys, (std::vector<int>{Qt::Key_A, Qt::Key_Return}));
}

TEST(HyperLink, FailureIsReportedAndLeavesTheLinkUnvisited)
{
    CFakeOpener opener;
    opener.desktopAccepts = false;
    CHost host;
    QString text;
    {
        const CModalHandler report(Answer(QMessageBox::Ok, &text));
        host.link->FollowLink();
    }
    EXPECT_EQ(text, QStringLiteral("Can't open link:\n\nThere is no application associated\n"
                                   "with the given filename extension."));
    EXPECT_FALSE(host.link->IsVisited());

    // Started through the default browser instead: visited, and no message.
    opener.browserCommand = QStringLiteral("/usr/bin/browser %u");
    const CModalHandler none(Answer(QMessageBox::Ok));
    host.link->FollowLink();
    EXPECT_FALSE(none.WasShown());
    EXPECT_TRUE(host.link->IsVisited());
}

TEST(HyperLink, AttachPreparesTheLabelAndFitsItToItsTextByAlignment)
{
    QWidget parent;
    auto* named = new CHyperLink(QStringLiteral("Manual/index.html"), &parent);
    named->Attach();
    EXPECT_EQ(named->GetURL(), QStringLiteral("Manual/index.html"));
    EXPECT_EQ(named->toolTip(), named->GetURL());
    EXPECT_TRUE(named->font().underline());
    EXPECT_EQ(named->cursor().shape(), Qt::PointingHandCursor);

    const QRect box(100, 50, 300, 40);
    auto place = [&](Qt::Alignment alignment, unsigned style) {
        auto* link = new CHyperLink(QStringLiteral("Fits its text"), &parent, style);
        link->setAlignment(alignment);
        link->setGeometry(box);
        link->Attach();
        return link->geometry();
    };
    const QFontMetrics metrics(named->font());
    const QSize text(metrics.horizontalAdvance(QStringLiteral("Fits its text")), metrics.height());
    EXPECT_EQ(place(Qt::AlignLeft | Qt::AlignTop, CHyperLink::kDefaultStyle), QRect(box.topLeft(), text));
    EXPECT_EQ(place(Qt::AlignRight | Qt::AlignTop, CHyperLink::kDefaultStyle),
              QRect(QPoint(box.right() - text.width() + 1, box.top()), text));
    const QRect centred = place(Qt::AlignCenter, CHyperLink::kDefaultStyle);
    EXPECT_EQ(centred.size(), text);
    EXPECT_LE((centred.center() - box.center()).manhattanLength(), 2);
    // Without the fit and underline bits the label keeps its place and plain font.
    EXPECT_EQ(place(Qt::AlignLeft, CHyperLink::StyleNoHandCursor), box);
    EXPECT_FALSE(parent.findChildren<CHyperLink*>().last()->font().underline());
}
