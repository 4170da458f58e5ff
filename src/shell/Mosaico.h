#pragma once

#include <QRect>
#include <QSize>
#include <vector>

// Places for n windows tiled horizontally in an area: floor(sqrt(n)) columns, each holding
// n / columns windows one above another and the last column the rest; so two or three windows lie
// one above the other at full width. Listed column by column, top to bottom.
std::vector<QRect> MosaicoHorizontal(int n, QSize area);
