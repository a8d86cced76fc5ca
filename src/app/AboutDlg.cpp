#include "app/AboutDlg.h"

#include "app/StringTable.h"
#include "holmfc/HyperLink.h"
#include "holmfc/ProgramPath.h"
#include "holmfc/ResourceString.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// The maker's addresses. The web address carries the "URL:" prefix of an address in running text.
const char* const kWebAddress = "URL:https://www.example.org/quorvale";
const char* const kMailAddress = "mailto:quorvale@example.org";
const char* const kWebText = "www.example.org/quorvale";
const char* const kMailText = "quorvale@example.org";

const char* const kCredits = "Idun Marklöv\nTore Vinterhav\nSaga Lindqvarn\nEdvin Roskliff\nMaja Björkstam\nNils Ekvallen";

// Dialog units of the dialog's font: a quarter of its average character width across and an
// eighth of its height down. Fonts whose running text is wide for their average character get
// wider units, so that every text still fits the box laid out for it.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFontMetrics& metrics)
        : m_baseX((metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) + 26) / 52),
          m_baseY(metrics.height())
    {
    }
    // Widens the units so that text fits in a box of that many units across.
    void MakeRoom(const QFontMetrics& metrics, const QString& text, int units)
    {
        m_baseX = qMax(m_baseX, (4 * metrics.horizontalAdvance(text) + units - 1) / units);
    }
    int X(int units) const { return (units * m_baseX + 2) / 4; }
    int Y(int units) const { return (units * m_baseY + 4) / 8; }
    QRect Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }
    QRect Rect(const QRect& units) const { return Rect(units.x(), units.y(), units.width(), units.height()); }

private:
    int m_baseX;
    int m_baseY;
};

// A rectangle in dialog units written "x,y,width,height"; fallback when the text is not that.
QRect ParseUnits(const QString& text, const QRect& fallback)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return fallback;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || (i >= 2 && values[i] <= 0))
            return fallback;
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

// The About box's second picture: four blocks of a level, with the ball on the grass.
QPixmap DrawBlocksIcon(int size, qreal pixelRatio)
{
    QPixmap pixmap(QSize(size, size) * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    const QColor grass(20, 128, 20);
    const QColor wall(97, 1, 18);
    const QColor ice(137, 154, 148);
    const QColor sand(184, 119, 22);
    const QColor water(0, 0, 198);

    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(2, 2, 14, 14), grass);
    painter.fillRect(QRectF(16, 2, 14, 14), grass);
    painter.setBrush(wall);
    painter.drawPolygon(QPolygonF({QPointF(16, 2), QPointF(30, 2), QPointF(30, 16)}));
    painter.fillRect(QRectF(2, 16, 14, 14), ice);
    painter.setBrush(water);
    painter.drawEllipse(QRectF(4, 18, 10, 10));
    painter.fillRect(QRectF(16, 16, 14, 14), sand);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(20, 20, 6, 6));

    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2, 2, 28, 28));
    painter.drawLine(QPointF(16, 2), QPointF(16, 30));
    painter.drawLine(QPointF(2, 16), QPointF(30, 16));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawEllipse(QRectF(6, 6, 7, 7));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawEllipse(QRectF(5, 5, 7, 7));
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
    const QString version = QStringLiteral("Quorvale Editor 1.0");
    const QString freeware = tr("Freeware. Get the latest version:");
    const QString moreInfo = tr("More information and help is found in");
    // The two controls whose place depends on the length of the translated texts; each language
    // gives its own rectangle in dialog units.
    const QRect infoUnits = ParseUnits(tr("25,63,120,8", "place of the help text: x,y,width,height in dialog units"),
                                       QRect(25, 63, 120, 8));
    const QRect readMeUnits = ParseUnits(
        tr("149,63,30,8", "place of the ReadMe link: x,y,width,height in dialog units"), QRect(149, 63, 30, 8));

    const QFontMetrics metrics = fontMetrics();
    CDialogUnits du(metrics);
    du.MakeRoom(metrics, version, 105);
    du.MakeRoom(metrics, freeware, 162);
    du.MakeRoom(metrics, moreInfo, infoUnits.width());
    setFixedSize(du.X(206), du.Y(137));
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du.Rect(149, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    const QRect appIcon = du.Rect(7, 7, 20, 20);
    AddIcon(this, windowIcon().pixmap(appIcon.size()), appIcon);
    AddText(this, version, du.Rect(37, 12, 105, 8), left);
    const QRect courseIcon = du.Rect(7, 33, 20, 20);
    AddIcon(this, DrawBlocksIcon(qMin(courseIcon.width(), courseIcon.height()), devicePixelRatio()), courseIcon);
    AddText(this, freeware, du.Rect(37, 27, 162, 8), left);
    m_WebLink = AddLink(this, QString::fromUtf8(kWebText), du.Rect(37, 38, 162, 8), left);
    m_MailLink = AddLink(this, QString::fromUtf8(kMailText), du.Rect(37, 49, 162, 8), left);
    AddText(this, moreInfo, du.Rect(infoUnits), centred);
    m_ReadMeLink = AddLink(this, tr("ReadMe"), du.Rect(readMeUnits), centred);

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
