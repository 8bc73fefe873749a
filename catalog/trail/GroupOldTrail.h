#pragma once
// The old-trail group (古道): the trail group under the key OldTrail, its own GPS file key and
// default file; no operation differs.
#include "catalog/trail/GroupTrail.h"

class CGroupOldTrail : public CGroupTrail {
public:
    CGroupOldTrail();
};
