#include "app/AboutDlg.h"

#include "app/StringTable.h"
#include "holmfc/HyperLink.h"
#include "holmfc/ProgramPath.h"
#include "holmfc/ResourceString.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

// The maker's addresses. The web address carries the "URL:" prefix of an address in running text.
const char* const kWebAddress = "URL:https://www.example.org/quorvale";
const char* const kMailAddress = "mailto:quorvale@example.org";
const char* const kWebText = "www.example.org/quorvale";
const char* const kMailText = "quorvale@example.org";

const char* const kCredits = "Idun Marklöv\nTore Vinterhav\nSaga Lindqvarn\nEdvin Roskliff\nMaja Björkstam\nNils Ekvallen";

// Dialog units of the dialog's font: a quarter of its average character width across and an
// eighth of its height down.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFontMetrics& metrics)
        : m_baseX((metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) + 26) / 52),
          m_baseY(metrics.height())
    {
    }
    int X(int units) const { return (units * m_baseX + 2) / 4; }
    int Y(int units) const { return (units * m_baseY + 4) / 8; }
    QRect Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }
    // A rectangle written "x,y,width,height"; fallback when the text is not four numbers.
    QRect Rect(const QString& text, const QRect& fallback) const
    {
        const QStringList parts = text.split(QLatin1Char(','));
        int values[4] = {};
        if (parts.size() != 4)
            return fallback;
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            values[i] = parts[i].trimmed().toInt(&ok);
            if (!ok)
                return fallback;
        }
        return Rect(values[0], values[1], values[2], values[3]);
    }

private:
    int m_baseX;
    int m_baseY;
};

// The About box's second picture: a ball on the green beside the flag in the cup.
QPixmap DrawCourseIcon(int size, qreal pixelRatio)
{
    QPixmap pixmap(QSize(size, size) * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    painter.setPen(QPen(QColor(11, 90, 30), 1.0));
    painter.setBrush(QColor(20, 128, 20));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(17, 20, 9, 5));

    painter.setPen(QPen(QColor(230, 230, 230), 1.5));
    painter.drawLine(QPointF(21.5, 22.5), QPointF(21.5, 4.5));
    QPainterPath flag;
    flag.moveTo(22.2, 4.5);
    flag.lineTo(29.0, 7.5);
    flag.lineTo(22.2, 10.5);
    flag.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawPath(flag);

    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawEllipse(QRectF(6.5, 19.5, 8, 8));
    painter.setBrush(QColor(240, 240, 240));
    painter.drawEllipse(QRectF(5.5, 18.5, 8, 8));
    return pixmap;
}

QLabel* AddText(QWidget* parent, const QString& text, const QRect& place, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(place);
    return label;
}

QLabel* AddIcon(QWidget* parent, const QPixmap& pixmap, const QRect& place)
{
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

CHyperLink* AddLink(QWidget* parent, const QString& text, const QRect& place, Qt::Alignment alignment)
{
    auto* link = new CHyperLink(text, parent);
    link->setAlignment(alignment);
    link->setGeometry(place);
    link->Attach();
    return link;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Quorvale Editor"));
    const CDialogUnits du(fontMetrics());
    setFixedSize(du.X(206), du.Y(137));
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du.Rect(149, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    const QRect appIcon = du.Rect(7, 7, 20, 20);
    AddIcon(this, QApplication::windowIcon().pixmap(appIcon.size()), appIcon);
    AddText(this, QStringLiteral("Quorvale Editor 1.0"), du.Rect(37, 12, 105, 8), left);
    const QRect courseIcon = du.Rect(7, 33, 20, 20);
    AddIcon(this, DrawCourseIcon(qMin(courseIcon.width(), courseIcon.height()), devicePixelRatio()), courseIcon);
    AddText(this, tr("Freeware. Get the latest version:"), du.Rect(37, 27, 162, 8), left);
    m_WebLink = AddLink(this, QString::fromUtf8(kWebText), du.Rect(37, 38, 162, 8), left);
    m_MailLink = AddLink(this, QString::fromUtf8(kMailText), du.Rect(37, 49, 162, 8), left);

    // The two controls whose place depends on the length of the translated texts; each language
    // gives its own rectangle in dialog units.
    const QRect infoPlace = du.Rect(25, 63, 120, 8);
    const QRect readMePlace = du.Rect(149, 63, 30, 8);
    AddText(this, tr("More information and help is found in"),
            du.Rect(tr("25,63,120,8", "place of the help text: x,y,width,height in dialog units"), infoPlace),
            centred);
    m_ReadMeLink = AddLink(this, tr("ReadMe"),
                           du.Rect(tr("149,63,30,8", "place of the ReadMe link: x,y,width,height in dialog units"),
                                   readMePlace),
                           centred);

    auto* rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(du.Rect(7, 76, 192, 1).adjusted(0, 0, 0, 1));
    AddText(this, QString::fromUtf8(kCredits), du.Rect(7, 81, 192, 49), centred);

    OnInitDialog();
}

void CAboutDlg::OnInitDialog()
{
    m_WebLink->SetURL(QString::fromUtf8(kWebAddress));
    m_MailLink->SetURL(QString::fromUtf8(kMailAddress));
    m_ReadMeLink->SetURL(FindProgramFile(LoadResourceString(IdsReadme)));
}
