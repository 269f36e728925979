/**
 * Thrown for a node entry that cannot take a place in its tree: it has no
 * level, or its level names no earlier node to hang it under. The tree
 * builder skips such entries, as the editor's reader does.
 */
public class InvalidTreeNodeException extends Exception {
    private static final long serialVersionUID = 1L;

    public InvalidTreeNodeException(String message) {
        super(message);
    }
}
