import java.awt.image.BufferedImage;
import java.io.File;
import javax.imageio.ImageIO;

/**
 * Compares what the page runner showed of an applet on a real display with
 * the harness's rendering of the same page: the applet shell (init, layout,
 * the off-screen buffer) must show exactly what the menu panel draws.
 */
final class SnapshotCompare {
    private SnapshotCompare() {
    }

    static void run(File snapshot, File page) throws Exception {
        Check.scope = page.getName();
        BufferedImage shown = ImageIO.read(snapshot);
        Probe p = Probe.open(page).render();
        Check.equal(p.image.getWidth() + "x" + p.image.getHeight(), shown.getWidth() + "x" + shown.getHeight(),
                "size of the applet on screen");
        int width = Math.min(p.image.getWidth(), shown.getWidth());
        int height = Math.min(p.image.getHeight(), shown.getHeight());
        int differ = 0;
        for (int y = 0; y < height; y++) {
            for (int x = 0; x < width; x++) {
                if ((p.image.getRGB(x, y) & 0xffffff) != (shown.getRGB(x, y) & 0xffffff)) {
                    differ++;
                }
            }
        }
        Check.equal(0, differ, "pixels that differ between the screen and the headless rendering");
    }
}
