#pragma once

#include "core/visuallog/VisualLogIds.h"

namespace arbovane {

// The tabs whose last run can be taken back by deleting what it created and copied.
enum class UndoTab { Copy, CreateI, CreateII, CreateIII };

constexpr VisualLogTab LogTabOf(UndoTab tab) {
    switch (tab) {
        case UndoTab::Copy:
            return VisualLogTab::Vol08;
        case UndoTab::CreateI:
            return VisualLogTab::Vol02;
        case UndoTab::CreateII:
            return VisualLogTab::Vol04;
        case UndoTab::CreateIII:
            return VisualLogTab::Vol03;
    }
    return VisualLogTab::Vol08;
}

}  // namespace arbovane
