#pragma once
// The settings store over QSettings: INI files in the user's configuration folder, one
// per application name, sections as groups. With a file name, everything goes to that
// one file (tests and scripts never touch the user's settings). Only a regular file is
// read: QSettings would wait for ever on a FIFO.

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

    // Why the options file cannot be read (it is a folder, a FIFO, a device, or not
    // readable), with the note that the defaults apply; "" when it can be read or does not
    // exist yet. Such a file is never read or written: the options then live in memory.
    std::string Chyba();

private:
    // The store of the application name; nullptr when its file is refused.
    QSettings* Store(const std::string& app);
    QString Group(const std::string& app, const std::string& section) const;
    // The file QSettings would read for the application name.
    QString Soubor(const std::string& app) const;

    std::optional<std::string> file_;
    std::map<std::string, std::unique_ptr<QSettings>> stores_;
    // The values of refused files, and why the first was refused.
    std::map<std::string, std::string> vPameti_;
    std::string chyba_;
};

} // namespace lomvira
