#pragma once
// The settings store over QSettings: INI files in the user's configuration folder, one
// per application name, sections as groups. With a file name, everything goes to that
// one file (tests and scripts never touch the user's settings).

#include "common/Nastaveni.h"

#include <QSettings>

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace lomvira {

class QtUlozisteNastaveni : public UlozisteNastaveni {
public:
    QtUlozisteNastaveni();
    explicit QtUlozisteNastaveni(const std::string& file);
    ~QtUlozisteNastaveni() override;

    std::string Cti(const std::string& app, const std::string& section, const std::string& key) override;
    void Zapis(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
    std::string Uloz() override;

    // Where the options of this application name are kept.
    std::string Cesta(const std::string& app);

private:
    QSettings& Store(const std::string& app);
    QString Group(const std::string& app, const std::string& section) const;

    std::optional<std::string> file_;
    std::map<std::string, std::unique_ptr<QSettings>> stores_;
};

} // namespace lomvira
