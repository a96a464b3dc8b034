#pragma once

#include <QString>
#include <QStringList>

namespace pagora {

// The families a text format names for a font of the table. A font that is not on this
// machine gives way to its family's generic font (\froman to a serif, \fmodern to a
// monospace) rather than to whatever the system falls back to for an unknown name, which is
// one sans font for every family.
class FontFallback
{
public:
    static QStringList families(const QString& name, const QString& generic);

private:
    // True when the system finds a face for `name` other than its fallback for any unknown
    // name: the font itself, or a stand-in made to its measure (Liberation Sans for Arial).
    static bool isAvailable(const QString& name);
};

} // namespace pagora
