#pragma once

class ResureWithPush;

/// Told by the push screen that its resource went to the buyer (optional).
class ResureWithPushDelegate
{
public:
    virtual ~ResureWithPushDelegate() = default;
    virtual void directResourceFabuWithPush(ResureWithPush *push) { (void)push; }
};
