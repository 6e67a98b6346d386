#pragma once
// How much storage data that grows by appends takes: what it needs and a
// quarter more, so that appending costs time in proportion to what is
// appended (each copy makes room for a quarter of the data) while the room
// left over stays small beside the data.

#include <cstddef>

inline std::size_t GrownRoom(std::size_t needed)
{
    return needed + needed / 4 + 64;
}
