#include "record/SetLucru.h"

namespace vitramor {

SetLucru& setLucru() {
    static SetLucru s;
    return s;
}

}  // namespace vitramor
