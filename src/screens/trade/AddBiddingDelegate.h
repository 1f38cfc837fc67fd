#pragma once

class AddBidding;

/// What the tender form tells its opener once a save has been acknowledged.
class AddBiddingDelegate
{
public:
    virtual ~AddBiddingDelegate() = default;
    /// A new tender was saved (unpublished).
    virtual void biddingAddDidFinished(AddBidding *form) { (void)form; }
    /// An edited tender was saved and the user chose to publish it now.
    virtual void biddingEditorDidFinished(AddBidding *form) { (void)form; }
};
