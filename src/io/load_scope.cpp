#include "io/load_scope.h"

namespace rw {

BlockSet ScopeBlocks(int scope, Edition edition) {
    if (edition == Edition::Cyrillic) {
        switch (scope) {
            case 0:
                return {0};
            case 1:
                return {1};
            case 2:
                return {2};
            case 3:
                return {3};
            case 4:
                return {0, 1};
            case 5:
                return {2, 3};
            case 6:
                return {0, 1, 2, 3};
            default:
                return {};
        }
    }
    switch (scope) {
        case 0:
            return {0};
        case 1:
            return {1};
        case 2:
            return {4};
        case 3:
            return {5};
        case 4:
            return {0, 1, 2, 3};
        case 5:
            return {4, 5, 6, 7};
        case 6:
            return {0, 1, 2, 3, 4, 5, 6, 7};
        case 7:
            return {2, 3};
        case 8:
            return {6, 7};
        case 9:
            return {0, 1, 4, 5};
        case 10:
            return {2, 3, 6, 7};
        default:
            return {};
    }
}

}  // namespace rw
