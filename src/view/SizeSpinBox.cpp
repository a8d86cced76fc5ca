#include "view/SizeSpinBox.h"

#include <QLineEdit>

#include <algorithm>

CSizeSpinBox::CSizeSpinBox(QWidget* parent) : QSpinBox(parent)
{
    // Typing accepts any count of digits that fits an int; the arrows keep to the arrow range.
    setRange(0, 999999999);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void CSizeSpinBox::SetArrowRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
}

int CSizeSpinBox::GetTypedValue() const
{
    bool ok = false;
    const int value = lineEdit()->text().trimmed().toInt(&ok);
    return ok ? value : -1;
}

void CSizeSpinBox::stepBy(int steps)
{
    const int typed = GetTypedValue();
    const int from = typed < 0 ? m_lower : typed;
    setValue(std::clamp(from + steps, m_lower, m_upper));
    selectAll();
}

QAbstractSpinBox::StepEnabled CSizeSpinBox::stepEnabled() const
{
    const int typed = GetTypedValue();
    StepEnabled enabled = StepNone;
    if (typed < 0 || typed < m_upper)
        enabled |= StepUpEnabled;
    if (typed < 0 || typed > m_lower)
        enabled |= StepDownEnabled;
    return enabled;
}
