#include "common/ui/QtUlozisteNastaveni.h"

#include "common/Soubory.h"

#include <QFile>
#include <QStandardPaths>
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
        if (s)
            s->sync();
}

QString QtUlozisteNastaveni::Soubor(const std::string& app) const
{
    if (file_)
        return QFile::decodeName(file_->c_str());
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Lomvira/" + Q(app) + ".ini";
}

QSettings* QtUlozisteNastaveni::Store(const std::string& app)
{
    const std::string key = file_ ? std::string() : app;
    auto it = stores_.find(key);
    if (it == stores_.end()) {
        std::unique_ptr<QSettings> s;
        const std::string soubor = QFile::encodeName(Soubor(app)).toStdString();
        if (const std::string duvod = ProcNelzeCist(soubor); !duvod.empty()) {
            if (chyba_.empty())
                chyba_ = "Soubor nastavení " + soubor + " nelze přečíst: " + duvod;
        } else if (file_) {
            s = std::make_unique<QSettings>(Q(*file_), QSettings::IniFormat);
        } else {
            s = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Lomvira", Q(app));
        }
        it = stores_.emplace(key, std::move(s)).first;
    }
    return it->second.get();
}

std::string QtUlozisteNastaveni::Chyba()
{
    Store(AplikaceNastaveni);
    return chyba_.empty() ? chyba_ : chyba_ + "; platí výchozí nastavení.";
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
    QSettings* store = Store(app);
    const QString klic = Group(app, section) + "/" + Q(key);
    if (!store) {
        const auto it = vPameti_.find(klic.toStdString());
        return it == vPameti_.end() ? std::string() : it->second;
    }
    QSettings& s = *store;
    const QVariant v = s.value(klic);
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(",").toStdString();
    return v.toString().toStdString();
}

void QtUlozisteNastaveni::Zapis(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value)
{
    const QString klic = Group(app, section) + "/" + Q(key);
    if (QSettings* s = Store(app))
        s->setValue(klic, Q(value));
    else
        vPameti_[klic.toStdString()] = value;
}

std::string QtUlozisteNastaveni::Uloz()
{
    for (auto& [app, s] : stores_) {
        if (!s)
            return chyba_ + "; nastavení nebylo uloženo.";
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
    QSettings* s = Store(app);
    return s ? s->fileName().toStdString() : QFile::encodeName(Soubor(app)).toStdString();
}

} // namespace lomvira
