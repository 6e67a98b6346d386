#pragma once
// Picking recorded drawing operations out for assertions.

#include "gfx/RecordingDC.h"

#include <vector>

// The operations of one kind, in drawing order.
inline std::vector<CRecordingDC::Op> OpsOf(const std::vector<CRecordingDC::Op>& ops, CRecordingDC::OpKind kind)
{
    std::vector<CRecordingDC::Op> out;
    for (const CRecordingDC::Op& op : ops) {
        if (op.kind == kind)
            out.push_back(op);
    }
    return out;
}

inline std::vector<CRecordingDC::Op> OpsOf(const CRecordingDC& dc, CRecordingDC::OpKind kind)
{
    return OpsOf(dc.Ops(), kind);
}
