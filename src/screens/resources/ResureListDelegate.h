#pragma once

class ResureList;

/// Told by one of the seller's resource lists that resources moved between lists, so the lists
/// they moved to are asked for again. Every message is optional.
class ResureListDelegate
{
public:
    virtual ~ResureListDelegate() = default;
    /// A listed resource was withdrawn or changed.
    virtual void resourceBackDidFinished(ResureList *list) { (void)list; }
    /// A directed resource was withdrawn or changed.
    virtual void directResourceBackDidFinished(ResureList *list) { (void)list; }
    /// A resource was published to the market.
    virtual void resourceFabuDidFinished(ResureList *list) { (void)list; }
    /// A resource was pushed to one buyer.
    virtual void directResourceFabuDidFinished(ResureList *list) { (void)list; }
};
