#include "common/Soubory.h"

#include "common/Text.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace lomvira {

namespace {

std::string SystemReason(int err)
{
    switch (err) {
    case ENOENT: return "soubor nebo složka neexistuje";
    case EACCES:
    case EPERM: return "přístup odepřen";
    case ENOSPC: return "na disku není místo";
    case EROFS: return "disk je jen pro čtení";
    case EISDIR: return "je to složka, ne soubor";
    case EDQUOT: return "překročena kvóta disku";
    case ENOTDIR: return "část cesty není složka";
    case ENAMETOOLONG: return "jméno souboru je příliš dlouhé";
    default: return std::strerror(err);
    }
}

bool Convert(const char* to, const char* from, const std::string& in, std::string& out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out.clear();
    std::string buffer(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    const bool ok = r != static_cast<std::size_t>(-1) && srcLeft == 0
                    && iconv(cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (ok)
        out.assign(buffer.data(), buffer.size() - dstLeft);
    return ok;
}

} // namespace

bool Windows1250NaUtf8(const std::string& in, std::string& out)
{
    return Convert("UTF-8", "WINDOWS-1250", in, out);
}

bool Utf8NaWindows1250(const std::string& in, std::string& out)
{
    return Convert("WINDOWS-1250", "UTF-8", in, out);
}

bool CtiSoubor(const std::string& path, std::string& bytes, std::string& chyba)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        chyba = "Soubor " + path + " nelze přečíst: " + SystemReason(EISDIR) + ".";
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        chyba = "Soubor " + path + " nelze přečíst: " + SystemReason(errno ? errno : ENOENT) + ".";
        return false;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) {
        chyba = "Soubor " + path + " nelze přečíst: chyba při čtení.";
        return false;
    }
    bytes = ss.str();
    return true;
}

NactenyText DekodujZapisnik(const std::string& bytes, const std::string& path)
{
    NactenyText r;
    const std::string nonText = "Soubor " + path + " není textový zápisník a nelze jej otevřít.";
    if (bytes.find('\0') != std::string::npos) {
        r.chyba = nonText;
        return r;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 && JePlatneUtf8(bytes)) {
        r.text = bytes.substr(3);
        r.kodovani = Kodovani::Utf8Bom;
    } else if (JePlatneUtf8(bytes)) {
        r.text = bytes;
        r.kodovani = Kodovani::Utf8;
    } else if (Windows1250NaUtf8(bytes, r.text)) {
        r.kodovani = Kodovani::Windows1250;
    } else {
        r.chyba = nonText;
        return r;
    }
    std::size_t lineNo = 1, start = 0;
    while (start <= r.text.size()) {
        std::size_t end = r.text.find('\n', start);
        if (end == std::string::npos)
            end = r.text.size();
        std::size_t len = end - start;
        if (len > 0 && end < r.text.size() && r.text[end - 1] == '\r')
            --len;
        if (len > MaxDelkaRadku) {
            r.chyba = "Řádek " + std::to_string(lineNo) + " souboru " + path + " je delší než "
                      + std::to_string(MaxDelkaRadku) + " bajtů; takový zápisník nelze otevřít.";
            r.text.clear();
            return r;
        }
        start = end + 1;
        ++lineNo;
    }
    r.ok = true;
    return r;
}

NactenyText NactiZapisnik(const std::string& path)
{
    std::string bytes;
    NactenyText r;
    if (!CtiSoubor(path, bytes, r.chyba))
        return r;
    return DekodujZapisnik(bytes, path);
}

std::string UlozZapisnik(const std::string& path, const std::string& text, Kodovani kodovani)
{
    std::string bytes;
    switch (kodovani) {
    case Kodovani::Utf8: bytes = text; break;
    case Kodovani::Utf8Bom: bytes = "\xEF\xBB\xBF" + text; break;
    case Kodovani::Windows1250:
        if (!Utf8NaWindows1250(text, bytes))
            return "Soubor " + path
                   + " nelze uložit v kódování Windows-1250: text obsahuje znaky, které v něm nejsou. "
                     "Uložte jej pod jiným jménem (zápisník se uloží v UTF-8) nebo tyto znaky odstraňte.";
        break;
    }
    return ZapisSouborBezpecne(path, bytes);
}

std::string ZapisSouborBezpecne(const std::string& path, const std::string& bytes)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    // The temporary name starts with (a part of) the file's own name, short enough that a
    // file whose name is near the length limit can still be saved.
    const std::string prefix = ZnakyZleva(target.filename().string(), 40);
    std::string tmpl = (folder / ("." + prefix + ".XXXXXX")).string();
    const int fd = mkstemp(tmpl.data());
    if (fd < 0)
        return "Soubor " + path + " nelze uložit: " + SystemReason(errno) + ".";
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    std::error_code ec;
    const auto oldPerms = fs::status(target, ec).permissions();
    if (err == 0) {
        if (!ec && fs::exists(target, ec))
            fs::permissions(tmpl, oldPerms, ec);
        else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            fs::permissions(tmpl, static_cast<fs::perms>(0666 & ~mask), ec);
        }
        if (std::rename(tmpl.c_str(), path.c_str()) != 0)
            err = errno;
    }
    if (err != 0) {
        std::remove(tmpl.c_str());
        return "Soubor " + path + " nelze uložit: " + SystemReason(err) + ".";
    }
    return {};
}

std::string DocasnaSlozka()
{
    if (const char* t = std::getenv("TEMP"); t && *t)
        return t;
    std::error_code ec;
    const auto p = std::filesystem::temp_directory_path(ec);
    return ec ? std::string("/tmp") : p.string();
}

} // namespace lomvira
