#pragma once
#include <QDialog>

class CSizeSpinBox;
class QLineEdit;

// The Level Properties dialog: width and height (2 to 99, checked when the user presses OK),
// creator and name.
class CLevelPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinSize = 2;
    static constexpr int kMaxSize = 99;

    explicit CLevelPropertiesDlg(QWidget* parent = nullptr);

    int GetLevelWidth() const { return m_width; }
    int GetLevelHeight() const { return m_height; }
    void SetLevelSize(int width, int height);
    QString GetCreator() const;
    void SetCreator(const QString& text);
    QString GetName() const;
    void SetName(const QString& text);

    // Refuses sizes outside 2..99 with a message and keeps the dialog open.
    void accept() override;

private:
    bool CheckSize(CSizeSpinBox* field, int* value);

    CSizeSpinBox* m_widthSpin;
    CSizeSpinBox* m_heightSpin;
    QLineEdit* m_creatorText;
    QLineEdit* m_nameText;
    int m_height = 20;
    int m_width = 20;
};
