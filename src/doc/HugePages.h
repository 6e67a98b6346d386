#pragma once
// A large block that is about to be filled at once: asking for huge pages
// saves most of its page faults (where the system offers none, nothing changes).

#include <cstddef>

void AdviseHugePages(void* block, std::size_t bytes);
