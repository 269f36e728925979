import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.GradientPaint;
import java.awt.image.BufferedImage;
import java.awt.image.IndexColorModel;
import java.io.DataOutputStream;
import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.util.stream.Stream;
import javax.imageio.ImageIO;

/**
 * A site folder for the sample pages: the pages and content files copied,
 * and the icons, background images and sounds they name drawn or written
 * where a saved site keeps them: beside the pages for pages whose code base
 * is the page folder, under java/ and java/images/ for those that put their
 * classes in java/.
 */
final class SiteFixture {
    static final Color LEAF = new Color(0, 160, 0);
    static final Color BOOK_CLOSED = new Color(0, 0, 200);
    static final Color BOOK_OPEN = new Color(200, 0, 0);
    static final Color STAR = new Color(255, 200, 0);
    static final Color TAB_CHECK = new Color(180, 200, 240);

    private SiteFixture() {
    }

    static File build(File pages, File site) throws IOException {
        copyTree(pages.toPath(), site.toPath());
        for (File folder : new File[] {site, new File(site, "java/images")}) {
            folder.mkdirs();
            writeIcon(new File(folder, "Leaf.gif"), LEAF, false);
            writeIcon(new File(folder, "BookC.gif"), BOOK_CLOSED, false);
            writeIcon(new File(folder, "BookO.gif"), BOOK_OPEN, true);
            writeIcon(new File(folder, "star.gif"), STAR, false);
        }
        writeChecker(new File(site, "tabback.gif"));
        writeGradient(new File(site, "treeback.jpg"));
        for (File folder : new File[] {site, new File(site, "java")}) {
            writeSound(new File(folder, "click.au"));
            writeSound(new File(folder, "over.au"));
        }
        return site;
    }

    private static void copyTree(Path from, Path to) throws IOException {
        try (Stream<Path> all = Files.walk(from)) {
            for (Path p : (Iterable<Path>) all::iterator) {
                Path target = to.resolve(from.relativize(p).toString());
                if (Files.isDirectory(p)) {
                    Files.createDirectories(target);
                } else {
                    Files.copy(p, target, StandardCopyOption.REPLACE_EXISTING);
                }
            }
        }
    }

    /**
     * A 16 x 16 icon on a transparent ground whose centre block (pixels 5
     * to 10) is the given colour, so tests can find it on screen.
     */
    static void writeIcon(File file, Color fill, boolean open) throws IOException {
        byte[] r = {0, 0, (byte) fill.getRed(), (byte) 255};
        byte[] g = {0, 0, (byte) fill.getGreen(), (byte) 255};
        byte[] b = {0, 0, (byte) fill.getBlue(), (byte) 255};
        IndexColorModel palette = new IndexColorModel(2, 4, r, g, b, 0);
        BufferedImage icon = new BufferedImage(16, 16, BufferedImage.TYPE_BYTE_BINARY, palette);
        for (int y = 0; y < 16; y++) {
            for (int x = 0; x < 16; x++) {
                int index = 0;
                boolean edge = x == 1 || x == 14 || y == 2 || y == 13;
                boolean inside = x >= 1 && x <= 14 && y >= 2 && y <= 13;
                if (inside) {
                    index = edge ? 1 : 2;
                }
                if (open && x == 8 && inside && !edge && (y < 5 || y > 10)) {
                    index = 3;
                }
                icon.getRaster().setSample(x, y, 0, index);
            }
        }
        write(icon, "gif", file);
    }

    /** 8 x 8 pixel squares of the tab colour of tab_bottom.htm and a darker blue. */
    private static void writeChecker(File file) throws IOException {
        BufferedImage image = new BufferedImage(16, 16, BufferedImage.TYPE_INT_RGB);
        for (int y = 0; y < 16; y++) {
            for (int x = 0; x < 16; x++) {
                boolean dark = ((x / 8) + (y / 8)) % 2 == 1;
                image.setRGB(x, y, dark ? TAB_CHECK.getRGB() : new Color(204, 221, 255).getRGB());
            }
        }
        write(image, "gif", file);
    }

    private static void writeGradient(File file) throws IOException {
        BufferedImage image = new BufferedImage(64, 64, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = image.createGraphics();
        g.setPaint(new GradientPaint(0, 0, new Color(255, 250, 240), 64, 64, new Color(230, 220, 200)));
        g.fillRect(0, 0, 64, 64);
        g.dispose();
        write(image, "jpg", file);
    }

    private static void write(BufferedImage image, String format, File file) throws IOException {
        if (!ImageIO.write(image, format, file)) {
            throw new IOException("no " + format + " writer for " + file);
        }
    }

    /** A tenth of a second of silence as an 8 kHz mu-law .au file. */
    private static void writeSound(File file) throws IOException {
        int samples = 800;
        try (DataOutputStream out = new DataOutputStream(new FileOutputStream(file))) {
            out.writeInt(0x2e736e64);
            out.writeInt(24);
            out.writeInt(samples);
            out.writeInt(1);
            out.writeInt(8000);
            out.writeInt(1);
            for (int i = 0; i < samples; i++) {
                out.writeByte(0xff);
            }
        }
    }
}
