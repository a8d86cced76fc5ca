#include "view/PaletteTips.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CPaletteTips", text);
}

// By shape value and by material kind.
const char* const kShapeNames[] = {
    QT_TRANSLATE_NOOP("CPaletteTips", "Solid"),        QT_TRANSLATE_NOOP("CPaletteTips", "Circle"),
    QT_TRANSLATE_NOOP("CPaletteTips", "Triangle"),     QT_TRANSLATE_NOOP("CPaletteTips", "Quarter disc"),
    QT_TRANSLATE_NOOP("CPaletteTips", "Half disc"),
};
const char* const kMaterialNames[] = {
    QT_TRANSLATE_NOOP("CPaletteTips", "Grass"), QT_TRANSLATE_NOOP("CPaletteTips", "Wall"),
    QT_TRANSLATE_NOOP("CPaletteTips", "Ice"),   QT_TRANSLATE_NOOP("CPaletteTips", "Hole"),
    QT_TRANSLATE_NOOP("CPaletteTips", "Sand"),  QT_TRANSLATE_NOOP("CPaletteTips", "Water"),
};

template <std::size_t N>
QString NameOf(const char* const (&names)[N], int value)
{
    return value >= 0 && value < static_cast<int>(N) ? Tr(names[value]) : QString();
}

} // namespace

QString PaletteTipText(const CPalettes::CSpot& spot)
{
    switch (spot.kind) {
    case CPalettes::CSpot::BackSample:
        return Tr(QT_TRANSLATE_NOOP("CPaletteTips",
                                    "Background material of the current block\nLeft click: turn its slope\nRight click: no slope"));
    case CPalettes::CSpot::FrontSample:
        return Tr(QT_TRANSLATE_NOOP("CPaletteTips",
                                    "Front material of the current block\nLeft click: turn its slope\nRight click: no slope"));
    case CPalettes::CSpot::BlockSample:
        return Tr(QT_TRANSLATE_NOOP("CPaletteTips",
                                    "Current block\nLeft click: a quarter turn (with Shift its slopes turn too)"));
    case CPalettes::CSpot::ShapeItem:
        return Tr(QT_TRANSLATE_NOOP("CPaletteTips", "Shape: %1\nLeft click: the current block takes this shape"))
            .arg(NameOf(kShapeNames, spot.value));
    case CPalettes::CSpot::MaterialItem:
        return Tr(QT_TRANSLATE_NOOP("CPaletteTips",
                                    "Material: %1\nLeft click: background material\nRight click: front material"))
            .arg(NameOf(kMaterialNames, spot.value));
    case CPalettes::CSpot::None:
        break;
    }
    return {};
}
