// Texts that end exactly where their memory ends, before a page that may not
// be read: the reader and the importer look at no byte beyond the text.
// (Found by the reader's fuzz target: ",,,," read one byte past its end.)

#include "doc/SorvDoc.h"
#include "read/Importer.h"
#include "read/RowReader.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <string_view>

namespace {

// A text placed at the very end of a readable page, a page that cannot be
// read right after it.
class PageEndText {
public:
    explicit PageEndText(std::string_view text)
    {
        m_page = std::size_t(sysconf(_SC_PAGESIZE));
        void* p = mmap(nullptr, 2 * m_page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        m_base = p == MAP_FAILED ? nullptr : static_cast<char*>(p);
        if (!m_base)
            return;
        mprotect(m_base + m_page, m_page, PROT_NONE);
        char* start = m_base + m_page - text.size();
        std::memcpy(start, text.data(), text.size());
        m_text = std::string_view(start, text.size());
    }
    ~PageEndText()
    {
        if (m_base)
            munmap(m_base, 2 * m_page);
    }
    PageEndText(const PageEndText&) = delete;
    PageEndText& operator=(const PageEndText&) = delete;

    bool Valid() const { return m_base != nullptr; }
    std::string_view Text() const { return m_text; }

private:
    std::size_t m_page = 0;
    char* m_base = nullptr;
    std::string_view m_text;
};

TEST(TextEnd, NothingIsReadPastTheLastByte)
{
    const char* const texts[] = {
        ",,,,", "a,1,2,", "a,1,2,3", "a,1,2,-", "a 1 2 3 ", "a,1,2,3\nb,4,5,", "a,1,2,1234567890.12345",
        "a,1,2,-0.5", "x\t1\t2\t", "a;1;2;",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const PageEndText placed(text);
        ASSERT_TRUE(placed.Valid());
        CSorvDoc doc;
        ReadFailure error;
        ReadText(doc, placed.Text(), error);
        for (bool columns : {false, true}) {
            ImportOptions options;
            options.columns = columns;
            CSorvDoc imported;
            CImporter(options).Import(placed.Text(), imported);
        }
    }
}

}  // namespace
