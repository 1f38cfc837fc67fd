#pragma once

class AddResure;

/// What the resource form tells its opener when the user leaves it after a save.
class AddResureDelegate
{
public:
    virtual ~AddResureDelegate() = default;
    /// A resource was saved (added or changed); the opener reloads what shows it.
    virtual void resureEditorDidFinished(AddResure *form) { (void)form; }
};
