#include "app/EarlierVersionsDlg.h"

#include "file/LevelText.h"
#include "holmfc/FileName.h"
#include "model/Level.h"
#include "render/LevelImage.h"
#include "render/RasterImage.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QImage>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The edge of a version's picture in pixels.
constexpr int kPictureSize = 96;

// The level of a kept copy as a picture at most kPictureSize square; a blank one when the copy
// cannot be read as a level.
QPixmap PictureOf(const CKeptVersion& version)
{
    QPixmap blank(kPictureSize, kPictureSize);
    blank.fill(Qt::transparent);
    std::string text;
    std::string reason;
    CLevel level;
    CRasterImage image;
    if (!ReadLevelFileText(version.path, text, reason) || !level.ReadText(text))
        return blank;
    const int cell = std::max(1, kPictureSize / std::max(level.GetWidth(), level.GetHeight()));
    if (!RenderLevelImage(level, cell, false, image) || image.IsEmpty())
        return blank;
    const QImage picture(reinterpret_cast<const uchar*>(image.GetBits()), image.GetWidth(), image.GetHeight(),
                         image.GetBytesPerLine(), QImage::Format_RGB32);
    return QPixmap::fromImage(picture.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

CEarlierVersionsDlg::CEarlierVersionsDlg(const std::vector<CKeptVersion>& versions, const QString& title,
                                         QWidget* parent)
    : QDialog(parent), m_versions(versions), m_list(new QListWidget(this))
{
    setWindowTitle(title);
    m_list->setIconSize(QSize(kPictureSize, kPictureSize));
    m_list->setObjectName(QStringLiteral("versions"));
    const QLocale locale;
    for (const CKeptVersion& version : m_versions) {
        const QDateTime time = QDateTime::fromMSecsSinceEpoch(
            std::chrono::duration_cast<std::chrono::milliseconds>(version.time.time_since_epoch()).count());
        auto* item = new QListWidgetItem(QIcon(PictureOf(version)),
                                         locale.toString(time, QLocale::LongFormat) + QLatin1Char('\n') +
                                             locale.formattedDataSize(static_cast<qint64>(version.size)),
                                         m_list);
        item->setSizeHint(QSize(0, kPictureSize + 8));
    }
    m_list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(420, 480);
}

QString CEarlierVersionsDlg::GetChosenPath() const
{
    const int row = m_list->currentRow();
    if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(m_versions.size()))
        return {};
    return DecodeFileName(QByteArray::fromStdString(m_versions[static_cast<std::size_t>(row)].path));
}
