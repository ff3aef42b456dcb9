#pragma once

class QTreeWidgetItem;

// A handle to one node of a tree control; null for "no node".
using HTREEITEM = QTreeWidgetItem*;
