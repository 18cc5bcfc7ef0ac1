#pragma once
// The program's services: the frame's filling of the ServiceTable (contract/ServiceTable.h) and the
// SystemCall functions behind slot 12.
#include <cstdint>

struct ServiceTable;

// The table in slot order, complete before the first procedure runs and never changed.
const ServiceTable& ProgramServices();

// SystemCall 2: an array (dimension count, the dimensions' sizes, then the elements) that
// still lies in the constants block is copied whole into a new heap block and the reference
// is pointed at the copy; an array already on the heap is left in place.
void MakeArrayWritable(void** array_reference, uint32_t element_size);

intptr_t SystemCall(int32_t number, intptr_t a, intptr_t b);

// Slot 11: loads a window of the template; an unknown id or a failed creation is the fatal
// "载入启动窗口失败".
void LoadWindowService(uint32_t window_id);
