#pragma once
#include <QSpinBox>

// A field for a whole number with arrows that step within a range, while typing may leave the
// range: the dialog that owns the field checks it when the user confirms.
class CSizeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit CSizeSpinBox(QWidget* parent = nullptr);

    void SetArrowRange(int lower, int upper);
    // The typed number, or -1 when the field holds no number.
    int GetTypedValue() const;

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_lower = 0;
    int m_upper = 0;
};
