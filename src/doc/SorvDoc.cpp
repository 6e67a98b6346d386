#include "doc/SorvDoc.h"

#include <cmath>

#include "doc/Atof.h"
#include "doc/Utf8.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <new>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kTooFewCells[] = "the data has three cells or fewer (at least four are needed)";

// The tokenizer reads 64 bytes at a time as bit masks (bit i for byte i).
constexpr std::size_t kBlock = 64;

// Bit i set where p[i] is c, for the 64 bytes at p.
std::uint64_t ByteMask(const char* p, char c)
{
    std::uint64_t mask = 0;
#ifdef __SSE2__
    const __m128i needle = _mm_set1_epi8(c);
    for (std::size_t i = 0; i < kBlock; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        mask |= std::uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, needle)))) << i;
    }
#else
    for (std::size_t i = 0; i < kBlock; ++i)
        mask |= std::uint64_t(p[i] == c) << i;
#endif
    return mask;
}

// Calls emit(token, length, terminator) for each token of [text, end), which
// must be non-empty text ending in LF: blanks before a token are skipped, a
// token ends at a comma, blank or LF, and that terminator is consumed.
//
// On masks this reads: a comma or LF always ends a token; a blank ends one
// when the byte before it is none of the three, and is skipped otherwise (it
// follows a terminator or a skipped blank, or starts the text). A token
// begins at the first byte after its predecessor's terminator that is not a
// skipped blank.
template <class Emit>
void ForEachToken(const char* text, const char* end, Emit&& emit)
{
    const char* begin = text;     // where the current token begins, unless seeking
    bool seeking = true;          // still skipping blanks before the current token
    std::uint64_t carry = 1;      // whether the byte before the block is a separator or before the text
    char tail[kBlock];            // the last, short block, read from a copy
    for (const char* base = text; base < end; base += kBlock) {
        const std::size_t n = std::min(std::size_t(end - base), kBlock);
        const char* bytes = base;
        if (n < kBlock) {
            std::memset(tail, 0, kBlock);
            bytes = static_cast<const char*>(std::memcpy(tail, base, n));
        }
        const std::uint64_t commas = ByteMask(bytes, ','), blanks = ByteMask(bytes, ' ');
        const std::uint64_t lineFeeds = ByteMask(bytes, '\n');
        const std::uint64_t separators = commas | blanks | lineFeeds;
        const std::uint64_t afterSeparator = separators << 1 | carry;
        carry = separators >> 63;
        const std::uint64_t starts = (n < kBlock ? (std::uint64_t(1) << n) - 1 : ~std::uint64_t(0))
                                   & ~(blanks & afterSeparator);
        std::uint64_t terminators = commas | lineFeeds | (blanks & ~afterSeparator);
        if (seeking && starts) {
            begin = base + std::countr_zero(starts);
            seeking = false;
        }
        for (; terminators; terminators &= terminators - 1) {
            const int at = std::countr_zero(terminators);
            emit(begin, std::size_t(base + at - begin), base[at]);
            const std::uint64_t next = starts & ~((std::uint64_t(2) << at) - 1);
            seeking = next == 0;
            if (!seeking)
                begin = base + std::countr_zero(next);
        }
    }
}

struct Shape {
    std::uint64_t rows = 0;   // lines
    std::uint64_t cols = 0;   // largest value count of a line
};

Shape CountCells(const char* text, const char* end)
{
    Shape shape;
    std::uint64_t count = 0;
    ForEachToken(text, end, [&](const char*, std::size_t, char terminator) {
        if (terminator == '\n') {
            ++shape.rows;
            shape.cols = std::max(shape.cols, count);
            count = 0;
        } else {
            ++count;
        }
    });
    return shape;
}

// rows x cols, or UINT64_MAX when the product does not fit.
std::uint64_t CellCount(const Shape& shape)
{
    if (shape.rows != 0 && shape.cols > UINT64_MAX / shape.rows)
        return UINT64_MAX;
    return shape.rows * shape.cols;
}

bool CheckShape(const Shape& shape, ReadFailure& error)
{
    const std::uint64_t cells = CellCount(shape);
    if (cells < 4) {
        error = {ReadError::TooFewCells, kTooFewCells};
        return false;
    }
    if (cells > std::uint64_t(INT_MAX)) {
        error.code = ReadError::TooLarge;
        error.text = "the data is too large: " + std::to_string(shape.rows) + " rows x " + std::to_string(shape.cols)
              + " columns (at most " + std::to_string(INT_MAX) + " cells)";
        return false;
    }
    return true;
}

// Copies the token at p, cut to the buffer, into buffer and terminates it.
// A short token goes in as one block of 16 bytes, zeros after the token, when
// the text has the bytes: quicker than a copy of its own length, and the
// converter reads the block back at once.
void CopyToken(TokenBuffer& buffer, const char* p, std::size_t& length, const char* end)
{
    constexpr std::size_t kShort = 16;
    length = std::min(length, kTokenBufferSize - 1);
    if (length < kShort && std::size_t(end - p) >= kShort) {
        unsigned __int128 block;
        std::memcpy(&block, p, kShort);
        block &= (static_cast<unsigned __int128>(1) << (8 * length)) - 1;
        std::memcpy(buffer, &block, kShort);
    } else {
        std::memcpy(buffer, p, length);
        buffer[length] = '\0';
    }
}

// Fills the matrix row by row and the labels; missing cells of a short line are 0.0.
void ParseCells(const char* text, const char* end, std::size_t cols, double* data, std::string* labels,
                CSorvDoc::ValueConverter convert)
{
    TokenBuffer token = {};
    double* row = data;
    std::size_t c = 0;
    bool haveLabel = false;
    ForEachToken(text, end, [&](const char* p, std::size_t length, char terminator) {
        CopyToken(token, p, length, end);
        if (!haveLabel) {
            labels->assign(token, length);
            haveLabel = true;
        } else {
            row[c++] = convert(token, length);
        }
        if (terminator == '\n') {
            std::fill(row + c, row + cols, 0.0);
            row += cols;
            ++labels;
            c = 0;
            haveLabel = false;
        }
    });
}

bool HasByteOrderMark(const char* text, std::size_t length)
{
    return length >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0;
}

// The end of the text: the first NUL ends it. An unterminated last line
// gets its LF (in the byte after it, which the buffer always has).
const char* EndText(char* text, std::size_t length)
{
    const void* nul = std::memchr(text, '\0', length);
    std::size_t n = nul ? std::size_t(static_cast<const char*>(nul) - text) : length;
    if (n > 0 && text[n - 1] != '\n')
        text[n++] = '\n';
    return text + n;
}

ReadFailure CannotOpen(int errorNumber)
{
    return {ReadError::CannotOpen, std::string("cannot open: ") + std::strerror(errorNumber), errorNumber};
}

// A large block that is about to be filled at once: asking for huge pages
// saves most of its page faults (where the system offers none, nothing changes).
void AdviseHugePages(void* block, std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + bytes) & ~(kHugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)block;
    (void)bytes;
#endif
}

// A buffer of length + 1 bytes, or null with the reason.
std::unique_ptr<char[]> AllocateText(std::size_t length, ReadFailure& error)
{
    try {
        auto buffer = std::make_unique_for_overwrite<char[]>(length + 1);
        AdviseHugePages(buffer.get(), length + 1);
        return buffer;
    } catch (const std::bad_alloc&) {
        error = {ReadError::NoMemory, "not enough memory to read the file (" + std::to_string(length) + " bytes)"};
        return nullptr;
    }
}

bool ReadDescriptor(int fd, std::unique_ptr<char[]>& buffer, std::size_t& length, ReadFailure& error)
{
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        error = CannotOpen(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = CannotOpen(EISDIR);
        return false;
    }
    if (st.st_size <= 0) {
        error = {ReadError::Empty, "the file is empty"};
        return false;
    }
    length = std::size_t(st.st_size);
    buffer = AllocateText(length, error);
    if (!buffer)
        return false;
    std::size_t got = 0;
    while (got < length) {
        const ssize_t n = read(fd, buffer.get() + got, length - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += std::size_t(n);
    }
    if (got < length) {
        error = {ReadError::ShortRead, "the file could not be read completely"};
        return false;
    }
    return true;
}

bool LoadFile(const std::string& path, std::unique_ptr<char[]>& buffer, std::size_t& length, ReadFailure& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = CannotOpen(errno);
        return false;
    }
    const bool ok = ReadDescriptor(fd, buffer, length, error);
    close(fd);
    return ok;
}

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool CSorvDoc::ReadFile(const std::string& path, std::string& error)
{
    return ReadFile(path, error, AtofC);
}

bool CSorvDoc::ReadText(std::string_view text, std::string& error)
{
    return ReadText(text, error, AtofC);
}

bool CSorvDoc::ReadFile(const std::string& path, std::string& error, ValueConverter convert)
{
    Clear();
    SetTitle(BaseName(path));
    std::unique_ptr<char[]> buffer;
    std::size_t length = 0;
    const bool ok = LoadFile(path, buffer, length, m_failure) && ReadBuffer(buffer.get(), length, convert);
    error = m_failure.text;
    return ok;
}

bool CSorvDoc::ReadText(std::string_view text, std::string& error, ValueConverter convert)
{
    Clear();
    bool ok = false;
    if (text.empty()) {
        m_failure = {ReadError::Empty, "the file is empty"};
    } else if (std::unique_ptr<char[]> buffer = AllocateText(text.size(), m_failure)) {
        std::memcpy(buffer.get(), text.data(), text.size());
        ok = ReadBuffer(buffer.get(), text.size(), convert);
    }
    error = m_failure.text;
    return ok;
}

void CSorvDoc::Clear()
{
    m_pData.reset();
    m_pLabels.reset();
    m_nCols = m_nRows = 0;
    m_nX1 = m_nY1 = 0;
    m_nX2 = m_nY2 = -1;
    m_dMin = m_dMax = 0.0;
    m_bUtf8 = false;
    m_failure = {};
}

bool CSorvDoc::ReadBuffer(char* buffer, std::size_t length, ValueConverter convert)
{
    const bool utf8 = IsValidUtf8(buffer, length);
    buffer[length] = '\0';
    char* text = buffer;
    if (HasByteOrderMark(text, length)) {
        text += 3;
        length -= 3;
    }
    const char* end = EndText(text, length);
    const Shape shape = CountCells(text, end);
    if (!CheckShape(shape, m_failure))
        return false;
    try {
        m_pData = std::make_unique_for_overwrite<double[]>(shape.rows * shape.cols);
        AdviseHugePages(m_pData.get(), shape.rows * shape.cols * sizeof(double));
        m_pLabels = std::make_unique<std::string[]>(shape.rows);
        ParseCells(text, end, shape.cols, m_pData.get(), m_pLabels.get(), convert);
    } catch (const std::bad_alloc&) {
        Clear();
        m_failure = {ReadError::NoMemory, "not enough memory for the data (" + std::to_string(shape.rows) + " rows x "
                                              + std::to_string(shape.cols) + " columns)"};
        return false;
    }
    m_nCols = int(shape.cols);
    m_nRows = int(shape.rows);
    m_nX1 = m_nY1 = 0;
    m_nX2 = m_nCols - 1;
    m_nY2 = m_nRows - 1;
    m_bUtf8 = utf8;
    ScanRange();
    return true;
}

// Smallest and largest value of the whole matrix, in storage order. Values
// that are not finite ("nan", "inf" in the file) would leave the axes without
// a usable range, so the range is that of the finite values (0 when none is).
void CSorvDoc::ScanRange()
{
    const std::size_t cells = std::size_t(m_nRows) * std::size_t(m_nCols);
    const double* data = m_pData.get();
    std::size_t first = 0;
    while (first < cells && !std::isfinite(data[first]))
        ++first;
    double min = first < cells ? data[first] : 0.0;
    double max = min;
    for (std::size_t i = first + 1; i < cells; ++i) {
        const double v = data[i];
        if (!std::isfinite(v))
            continue;
        if (v < min)
            min = v;
        else if (v > max)
            max = v;
    }
    m_dMin = min;
    m_dMax = max;
}
