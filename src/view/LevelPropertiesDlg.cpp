#include "view/LevelPropertiesDlg.h"

#include "view/SizeSpinBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

CLevelPropertiesDlg::CLevelPropertiesDlg(QWidget* parent)
    : QDialog(parent), m_widthSpin(new CSizeSpinBox(this)), m_heightSpin(new CSizeSpinBox(this)),
      m_creatorText(new QLineEdit(this)), m_nameText(new QLineEdit(this))
{
    setWindowTitle(tr("Level Properties"));
    m_widthSpin->setObjectName(QStringLiteral("width"));
    m_heightSpin->setObjectName(QStringLiteral("height"));
    m_creatorText->setObjectName(QStringLiteral("creator"));
    m_nameText->setObjectName(QStringLiteral("name"));
    for (CSizeSpinBox* spin : {m_widthSpin, m_heightSpin})
        spin->SetArrowRange(kMinSize, kMaxSize);
    SetLevelSize(m_width, m_height);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto addLabel = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    auto* grid = new QGridLayout(this);
    grid->addWidget(addLabel(tr("&Width:"), m_widthSpin), 0, 0);
    grid->addWidget(m_widthSpin, 0, 1);
    grid->addWidget(addLabel(tr("&Height:"), m_heightSpin), 1, 0);
    grid->addWidget(m_heightSpin, 1, 1);
    grid->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
    grid->addWidget(addLabel(tr("&Creator:"), m_creatorText), 2, 0, 1, 3);
    grid->addWidget(m_creatorText, 3, 0, 1, 3);
    grid->addWidget(addLabel(tr("&Name:"), m_nameText), 4, 0, 1, 3);
    grid->addWidget(m_nameText, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    m_widthSpin->setFocus();
}

void CLevelPropertiesDlg::SetLevelSize(int width, int height)
{
    m_width = width;
    m_height = height;
    m_widthSpin->setValue(width);
    m_heightSpin->setValue(height);
}

QString CLevelPropertiesDlg::GetCreator() const
{
    return m_creatorText->text();
}

void CLevelPropertiesDlg::SetCreator(const QString& text)
{
    m_creatorText->setText(text);
}

QString CLevelPropertiesDlg::GetName() const
{
    return m_nameText->text();
}

void CLevelPropertiesDlg::SetName(const QString& text)
{
    m_nameText->setText(text);
}

void CLevelPropertiesDlg::accept()
{
    // Height first, then width: the order in which the fields are checked.
    int height = 0;
    int width = 0;
    if (!CheckSize(m_heightSpin, &height) || !CheckSize(m_widthSpin, &width))
        return;
    m_height = height;
    m_width = width;
    QDialog::accept();
}

bool CLevelPropertiesDlg::CheckSize(CSizeSpinBox* field, int* value)
{
    const int typed = field->GetTypedValue();
    if (typed >= kMinSize && typed <= kMaxSize) {
        *value = typed;
        return true;
    }
    QMessageBox::warning(this, windowTitle(), tr("Please enter an integer between %1 and %2.").arg(kMinSize).arg(kMaxSize));
    field->setFocus();
    field->selectAll();
    return false;
}
