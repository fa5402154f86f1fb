#include "common/ui/QtUlozisteNastaveni.h"

#include <QStringList>

namespace lomvira {

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

QtUlozisteNastaveni::QtUlozisteNastaveni() = default;

QtUlozisteNastaveni::QtUlozisteNastaveni(const std::string& file) : file_(file) {}

QtUlozisteNastaveni::~QtUlozisteNastaveni()
{
    for (auto& [app, s] : stores_)
        s->sync();
}

QSettings& QtUlozisteNastaveni::Store(const std::string& app)
{
    const std::string key = file_ ? std::string() : app;
    auto it = stores_.find(key);
    if (it == stores_.end()) {
        std::unique_ptr<QSettings> s;
        if (file_)
            s = std::make_unique<QSettings>(Q(*file_), QSettings::IniFormat);
        else
            s = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Lomvira", Q(app));
        it = stores_.emplace(key, std::move(s)).first;
    }
    return *it->second;
}

QString QtUlozisteNastaveni::Group(const std::string& app, const std::string& section) const
{
    // In a single file the options keep their plain sections; other applications' sections
    // (window placement) are prefixed with the application name.
    if (!file_ || app == AplikaceNastaveni)
        return Q(section);
    return Q(app + "." + section);
}

std::string QtUlozisteNastaveni::Cti(const std::string& app, const std::string& section, const std::string& key)
{
    QSettings& s = Store(app);
    const QVariant v = s.value(Group(app, section) + "/" + Q(key));
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(",").toStdString();
    return v.toString().toStdString();
}

void QtUlozisteNastaveni::Zapis(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value)
{
    Store(app).setValue(Group(app, section) + "/" + Q(key), Q(value));
}

std::string QtUlozisteNastaveni::Uloz()
{
    for (auto& [app, s] : stores_) {
        s->sync();
        if (s->status() == QSettings::AccessError)
            return "Nastavení nelze zapsat do souboru " + s->fileName().toStdString()
                   + ": soubor nebo složka není zapisovatelná.";
        if (s->status() == QSettings::FormatError)
            return "Soubor nastavení " + s->fileName().toStdString() + " je poškozen.";
    }
    return {};
}

std::string QtUlozisteNastaveni::Cesta(const std::string& app)
{
    return Store(app).fileName().toStdString();
}

} // namespace lomvira
