#include "common/Soubory.h"

#include "common/Pamet.h"

#include "common/Text.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lomvira {

std::string DuvodChyby(int err)
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
    case EPIPE: return "příjemce výstupu jej už nečte (roura je uzavřena)";
    case EBADF: return "výstup je uzavřen";
    case EIO: return "chyba vstupu a výstupu zařízení";
    case ELOOP: return "příliš mnoho symbolických odkazů za sebou";
    case ENOMEM: return "nedostatek paměti";
    case EFBIG: return "soubor je příliš velký";
    default: return std::strerror(err);
    }
}

namespace {

// Closes a descriptor when it goes out of scope.
class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    // Closes now; the error number of the close, or 0.
    int Zavri()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Why a file of this type is not read: only regular files are.
std::string DruhMimoSoubor(mode_t mode)
{
    if (S_ISDIR(mode))
        return DuvodChyby(EISDIR);
    if (S_ISFIFO(mode))
        return "je to roura (FIFO), ne obyčejný soubor";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "je to zařízení, ne obyčejný soubor";
    if (S_ISSOCK(mode))
        return "je to soket, ne obyčejný soubor";
    return "není to obyčejný soubor";
}

// Opens a file for reading without waiting: a FIFO without a writer would block an
// ordinary open. Returns the descriptor of a regular file, or -1 with the reason.
int OtevriObycejny(const std::string& path, struct stat& st, std::string& duvod)
{
    // A device is not even opened (opening some has effects); the type is checked again on
    // the open file, which cannot change under us.
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        duvod = DruhMimoSoubor(st.st_mode);
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        duvod = DuvodChyby(errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0) {
        duvod = DuvodChyby(errno);
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        duvod = DruhMimoSoubor(st.st_mode);
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

// The file a path finally names: symbolic links are followed one by one (a relative
// target against its link's folder), so that a save replaces that file and keeps the
// links. A missing file is named as it is. Returns 0 or the error number.
int KonecnyCil(const std::string& path, std::string& cil)
{
    namespace fs = std::filesystem;
    fs::path p(path);
    for (int i = 0; i < 40; ++i) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            cil = p.string();
            return 0;
        }
        std::error_code ec;
        const fs::path t = fs::read_symlink(p, ec);
        if (ec)
            return ec.value();
        p = t.is_absolute() ? t : p.parent_path() / t;
    }
    return ELOOP;
}

// Writes a folder's entries to the disk, so that a rename in it survives a power cut.
// File systems that cannot sync a folder are taken as done.
int SynchronizujSlozku(const std::string& slozka)
{
    const int fd = ::open(slozka.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    Deskriptor d(fd);
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EROFS)
        return errno;
    return 0;
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

bool CtiSoubor(const std::string& path, std::string& bytes, std::string& chyba, std::uint64_t maxVelikost)
{
    auto selhani = [&](const std::string& duvod) {
        chyba = "Soubor " + path + " nelze přečíst: " + duvod + ".";
        return false;
    };
    struct stat st {};
    std::string duvod;
    const int fd = OtevriObycejny(path, st, duvod);
    if (fd < 0)
        return selhani(duvod);
    Deskriptor d(fd);
    if (static_cast<std::uint64_t>(st.st_size) > maxVelikost) {
        chyba = "Soubor " + path + " je větší než " + std::to_string(maxVelikost / (1024 * 1024))
                + " MB; tak velký soubor nelze otevřít.";
        return false;
    }
    try {
        std::string obsah;
        obsah.resize(static_cast<std::size_t>(st.st_size));
        std::size_t precteno = 0;
        for (;;) {
            // A file that grows while it is read is read on, within the limit.
            if (precteno == obsah.size()) {
                if (obsah.size() > maxVelikost) {
                    chyba = "Soubor " + path + " je větší než " + std::to_string(maxVelikost / (1024 * 1024))
                            + " MB; tak velký soubor nelze otevřít.";
                    return false;
                }
                obsah.resize(obsah.size() + 65536);
            }
            const ssize_t n = ::read(fd, obsah.data() + precteno, obsah.size() - precteno);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return selhani(DuvodChyby(errno));
            }
            if (n == 0)
                break;
            precteno += static_cast<std::size_t>(n);
        }
        obsah.resize(precteno);
        bytes = std::move(obsah);
    } catch (const std::bad_alloc&) {
        return selhani(DuvodChyby(ENOMEM));
    } catch (const std::length_error&) {
        return selhani(DuvodChyby(ENOMEM));
    }
    return true;
}

std::string ProcNelzeCist(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT)
        return {};
    std::string duvod;
    const int fd = OtevriObycejny(path, st, duvod);
    if (fd >= 0)
        ::close(fd);
    return duvod;
}

bool JeJenProCteni(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // Root may write anything, yet a file nobody may write is still meant to stay.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

std::size_t PrilisDlouhyRadek(std::string_view text)
{
    const char* const z = text.data();
    const std::size_t n = text.size();
    std::size_t radek = 1, zacatek = 0;
    for (;;) {
        // The line ends at the first CR or LF; memchr finds each far faster than a loop.
        const void* lf = std::memchr(z + zacatek, '\n', n - zacatek);
        std::size_t konec = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - z) : n;
        if (const void* cr = std::memchr(z + zacatek, '\r', konec - zacatek))
            konec = static_cast<std::size_t>(static_cast<const char*>(cr) - z);
        if (konec - zacatek > MaxDelkaRadku)
            return radek;
        if (konec == n)
            return 0;
        zacatek = konec + 1;
        if (z[konec] == '\r' && zacatek < n && z[zacatek] == '\n')
            ++zacatek;
        ++radek;
    }
}

NactenyText DekodujZapisnik(std::string bytes, const std::string& path)
{
    NactenyText r;
    const std::string nonText = "Soubor " + path + " není textový zápisník a nelze jej otevřít.";
    if (bytes.find('\0') != std::string::npos) {
        r.chyba = nonText;
        return r;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 && JePlatneUtf8(bytes)) {
        bytes.erase(0, 3);
        r.text = std::move(bytes);
        r.kodovani = Kodovani::Utf8Bom;
    } else if (JePlatneUtf8(bytes)) {
        r.text = std::move(bytes);
        r.kodovani = Kodovani::Utf8;
    } else if (Windows1250NaUtf8(bytes, r.text)) {
        r.kodovani = Kodovani::Windows1250;
    } else {
        r.chyba = nonText;
        return r;
    }
    if (const std::size_t radek = PrilisDlouhyRadek(r.text); radek != 0) {
        r.chyba = "Řádek " + std::to_string(radek) + " souboru " + path + " je delší než "
                  + std::to_string(MaxDelkaRadku) + " bajtů; takový zápisník nelze otevřít.";
        r.text.clear();
        return r;
    }
    r.konecRadku = NejcastejsiKonecRadku(r.text);
    r.ok = true;
    return r;
}

NactenyText NactiZapisnik(const std::string& path)
{
    std::string bytes;
    NactenyText r;
    // The text and the survey built from it take their memory from one prepared heap.
    std::error_code chyba;
    const auto velikost = std::filesystem::file_size(path, chyba);
    if (!chyba && velikost <= MaxVelikostZapisniku)
        PripravPametProZapisnik(static_cast<std::size_t>(velikost));
    if (!CtiSoubor(path, bytes, r.chyba, MaxVelikostZapisniku))
        return r;
    return DekodujZapisnik(std::move(bytes), path);
}

std::string UlozZapisnik(const std::string& path, const std::string& text, Kodovani kodovani)
{
    // Saved, such a notebook could never be opened again.
    if (const std::size_t radek = PrilisDlouhyRadek(text); radek != 0)
        return "Zápisník nebyl uložen do souboru " + path + ": řádek " + std::to_string(radek) + " je delší než "
               + std::to_string(MaxDelkaRadku) + " bajtů a takový zápisník by nešlo znovu otevřít. "
                 "Řádek zkraťte nebo rozdělte.";
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

namespace {

// The temporary file of a save; removed unless it has been renamed into place.
class DocasnySoubor {
public:
    explicit DocasnySoubor(std::string jmeno) : jmeno_(std::move(jmeno)) {}
    ~DocasnySoubor()
    {
        if (!jmeno_.empty())
            ::unlink(jmeno_.c_str());
    }
    DocasnySoubor(const DocasnySoubor&) = delete;
    DocasnySoubor& operator=(const DocasnySoubor&) = delete;
    void Prejmenovano() { jmeno_.clear(); }

private:
    std::string jmeno_;
};

// Gives the new file the old one's owner, group and permission bits (set-user and
// set-group bits dropped), or a new file's usual bits. Returns 0 or the error number.
int PrevezmiVlastnosti(int fd, const std::string& cil)
{
    struct stat st {};
    if (::stat(cil.c_str(), &st) != 0) {
        const mode_t maska = ::umask(0);
        ::umask(maska);
        return ::fchmod(fd, 0666 & ~maska) == 0 ? 0 : errno;
    }
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    // Only root may give a file away; a user may still keep its group when a member of it.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    return ::fchmod(fd, st.st_mode & 07777 & ~(S_ISUID | S_ISGID)) == 0 ? 0 : errno;
}

} // namespace

std::string ZapisSouborBezpecne(const std::string& path, const std::string& bytes)
{
    namespace fs = std::filesystem;
    auto selhani = [&](int err) { return "Soubor " + path + " nelze uložit: " + DuvodChyby(err) + "."; };
    std::string cil;
    if (const int err = KonecnyCil(path, cil); err != 0)
        return selhani(err);
    const fs::path target(cil);
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    // The temporary name starts with (a part of) the file's own name, short enough that a
    // file whose name is near the length limit can still be saved.
    const std::string prefix = ZnakyZleva(target.filename().string(), 40);
    std::string tmpl = (folder / ("." + prefix + ".XXXXXX")).string();
    const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0)
        return selhani(errno);
    DocasnySoubor docasny(tmpl);
    Deskriptor d(fd);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return selhani(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (const int err = PrevezmiVlastnosti(fd, cil); err != 0)
        return selhani(err);
    if (::fsync(fd) != 0)
        return selhani(errno);
    if (const int err = d.Zavri(); err != 0)
        return selhani(err);
    if (::rename(tmpl.c_str(), cil.c_str()) != 0)
        return selhani(errno);
    docasny.Prejmenovano();
    if (const int err = SynchronizujSlozku(folder.string()); err != 0)
        return "Soubor " + path + " byl zapsán, ale jeho uložení na disk nelze potvrdit: " + DuvodChyby(err) + ".";
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
