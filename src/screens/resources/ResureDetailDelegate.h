#pragma once

class ResureDetail;

/// Told by a resource's detail what became of its resource. Both messages are optional.
class ResureDetailDelegate
{
public:
    virtual ~ResureDetailDelegate() = default;
    /// The resource was published to the market or pushed to a buyer (the detail's isDirectFabu
    /// says which).
    virtual void resureDetailFabuDidFinished(ResureDetail *detail) { (void)detail; }
    /// The resource was withdrawn or edited.
    virtual void resureEditorDidFinished(ResureDetail *detail) { (void)detail; }
};
