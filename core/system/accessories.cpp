#include "core/system/accessories.h"

#include "core/system/seams.h"

#include <QStandardPaths>
#include <QStringList>

namespace {
bool startFirstFound(const QStringList &candidates)
{
    for (const QString &name : candidates) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty())
            return Processes::startDetached(program, QStringList());
    }
    return false;
}
}

bool startCalculator()
{
    return startFirstFound({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                            QStringLiteral("galculator"), QStringLiteral("mate-calc"), QStringLiteral("xcalc")});
}

bool startCharacterMap()
{
    return startFirstFound({QStringLiteral("gucharmap"), QStringLiteral("kcharselect"),
                            QStringLiteral("gnome-characters")});
}
