import java.awt.EventQueue;
import java.awt.Graphics2D;
import java.awt.Panel;
import java.awt.event.InputEvent;
import java.awt.event.MouseEvent;
import java.awt.image.BufferedImage;

/**
 * Sweeps a menu panel with the mouse: moves over a grid of points, presses
 * on some of them, renders after each press. It runs on the event thread, as
 * in a browser, so the menu's timers can fire in between without racing it.
 * Any exception is rethrown to the caller.
 */
final class Exercise implements Runnable {
    private final Panel panel;
    private final int width;
    private final int height;
    private BufferedImage image;
    private Throwable error;

    private Exercise(Panel panel, int width, int height) {
        this.panel = panel;
        this.width = width;
        this.height = height;
    }

    /** Returns the first rendering, before any mouse event. */
    static BufferedImage drive(Panel panel, int width, int height) throws Exception {
        Exercise exercise = new Exercise(panel, width, height);
        EventQueue.invokeAndWait(exercise);
        if (exercise.error instanceof Exception) {
            throw (Exception) exercise.error;
        }
        if (exercise.error != null) {
            throw new RuntimeException(exercise.error);
        }
        return exercise.image;
    }

    @Override
    public void run() {
        try {
            panel.setSize(width, height);
            image = render();
            int presses = 0;
            for (int y = 2; y < height; y += 7) {
                for (int x = 3; x < width; x += 13) {
                    send(MouseEvent.MOUSE_MOVED, x, y, 0, 0);
                    if ((x + y) % 5 == 0 && presses++ < 40) {
                        send(MouseEvent.MOUSE_PRESSED, x, y, InputEvent.BUTTON1_DOWN_MASK, 1);
                        send(MouseEvent.MOUSE_RELEASED, x, y, InputEvent.BUTTON1_DOWN_MASK, 1);
                        render();
                    }
                }
            }
            send(MouseEvent.MOUSE_EXITED, -1, -1, 0, 0);
            render();
        } catch (Throwable t) {
            error = t;
        }
    }

    private void send(int id, int x, int y, int modifiers, int clicks) {
        panel.dispatchEvent(new MouseEvent(panel, id, 0L, modifiers, x, y, clicks, false,
                modifiers == 0 ? MouseEvent.NOBUTTON : MouseEvent.BUTTON1));
    }

    private BufferedImage render() {
        BufferedImage out = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = out.createGraphics();
        panel.paint(g);
        g.dispose();
        return out;
    }
}
