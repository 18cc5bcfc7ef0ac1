#pragma once
// The record in which every command argument and result travels. On this 64-bit build the
// two payload words are one 64-bit field, so a text or block address fits where a 32-bit
// program kept it in the low word; Low() and High() still give the two halves.
#include <cstdint>
#include "values/Bits.h"

constexpr uint32_t TYPE_OMITTED = 0;
constexpr uint32_t TYPE_BOOL = 0x80000002;
constexpr uint32_t TYPE_DATETIME = 0x80000003;
constexpr uint32_t TYPE_TEXT = 0x80000004;
constexpr uint32_t TYPE_BYTESET = 0x80000005;
constexpr uint32_t TYPE_UINT32 = 0x80000006;
constexpr uint32_t TYPE_BYTE = 0x80000101;
constexpr uint32_t TYPE_SHORT = 0x80000201;
constexpr uint32_t TYPE_INT = 0x80000301;
constexpr uint32_t TYPE_LONG = 0x80000401;
constexpr uint32_t TYPE_FLOAT = 0x80000501;
constexpr uint32_t TYPE_DOUBLE = 0x80000601;
constexpr uint32_t TYPE_ARRAY_FLAG = 0x20000000;

// A basic code has the top bits 10; a numeric one also has 0x01 as its lowest byte, and its
// second byte is the kind: 1 byte, 2 short, 3 int, 4 long, 5 float, 6 double.
constexpr bool IsBasicType(uint32_t type) { return (type >> 30) == 2; }
constexpr bool IsNumericType(uint32_t type) { return IsBasicType(type) && (type & 0xFF) == 0x01; }
constexpr int NumericKind(uint32_t type) { return IsNumericType(type) ? int((type >> 8) & 0xFF) : 0; }
constexpr int NumericElementSize(uint32_t type)
{
    switch (NumericKind(type)) {
    case 1: return 1;
    case 2: return 2;
    case 3:
    case 5: return 4;
    case 4:
    case 6: return 8;
    default: return 0;
    }
}

struct TypedValue {
    uint64_t payload = 0;  // low word in bits 0-31, high word in bits 32-63
    uint32_t type = TYPE_OMITTED;

    uint32_t Low() const { return uint32_t(payload); }
    uint32_t High() const { return uint32_t(payload >> 32); }

    double AsDouble() const { return BitCast<double>(payload); }
    float AsFloat() const { return BitCast<float>(Low()); }
    int32_t AsInt() const { return int32_t(Low()); }
    int64_t AsLong() const { return int64_t(payload); }
    const char* AsText() const { return reinterpret_cast<const char*>(uintptr_t(payload)); }
    void* AsAddress() const { return reinterpret_cast<void*>(uintptr_t(payload)); }

    static TypedValue Double(double v) { return {BitCast<uint64_t>(v), TYPE_DOUBLE}; }
    static TypedValue Float(float v) { return {BitCast<uint32_t>(v), TYPE_FLOAT}; }
    static TypedValue Int(int32_t v) { return {uint32_t(v), TYPE_INT}; }
    static TypedValue Long(int64_t v) { return {uint64_t(v), TYPE_LONG}; }
    static TypedValue Bool(bool v) { return {v ? 1u : 0u, TYPE_BOOL}; }
    // A text argument is never null: pass EmptyText for an empty value.
    static TypedValue Text(const char* text) { return {uint64_t(uintptr_t(text)), TYPE_TEXT}; }
    static TypedValue Omitted() { return {}; }
};
