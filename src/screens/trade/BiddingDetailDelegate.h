#pragma once

class BiddingDetail;

/// Told by a tender's detail that it has been published or withdrawn and is closing.
class BiddingDetailDelegate
{
public:
    virtual ~BiddingDetailDelegate() = default;
    virtual void biddingDetailDidFinishedEditor(BiddingDetail *detail) = 0;
};
