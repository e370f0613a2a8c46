#pragma once

#include "radio_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QList>

namespace t40::test {

// Picks a list item as a user does: the selection, then the activation.
inline void Choose(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The radio-memory addresses whose bytes differ.
inline QList<int> ChangedBytes(const RadioImage& before, const RadioImage& after)
{
    QList<int> changed;
    for (int i = 0; i < RadioImage::MemorySize; ++i)
        if (before.memoryByte(i) != after.memoryByte(i))
            changed.append(i);
    return changed;
}

inline QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

} // namespace t40::test
