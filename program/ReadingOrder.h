#pragma once
// The main window's units in the order a person reads them, for a face that lays the window out
// again in one column (a phone) or hands it to assistive technology: the Tab order with each box
// preceded by the label that names it, the side lengths' headings "已知数据" and "计算结果" over
// their boxes, the warning "角度必须输入" after the angle box it is about, each unit with the
// group it belongs to (1 to 5, in kGroups' order):
//   {标签1, 1}, {编辑框1, 1}, {标签10, 1}, {编辑框9, 1}, {按钮1, 1}, {标签2, 1}, {编辑框2, 1}, ...
// The diagram, its note and the bars belong to no group and are not listed: they follow in
// record order.
#include <cstdint>
#include <vector>

struct ReadingPlace {
    uint32_t unit_id;
    int group;
};

std::vector<ReadingPlace> MainWindowReadingOrder();
