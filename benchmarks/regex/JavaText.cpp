#include "JavaText.h"

#include <cstdio>

namespace {

const char* const Template = R"JAVA(package org.corvane.demo%d;

import java.util.Vector;

/**
 * A worker that counts the samples of sensor %d.
 */
public class SampleCounter%d extends Thread implements Runnable {
    private static final int LIMIT = %d;
    private volatile int count;
    private transient Vector samples = new Vector();

    public SampleCounter%d(int start) {
        count = start;
        count = count;
    }

    public synchronized void add(int value) throws InterruptedException {
        if (value < 0 || value > LIMIT) {
            throw new IllegalArgumentException("bad value " + value);
        }
        samples.addElement(new Integer(value));
        count++;
    }

    public void run() {
        for (int i = 0; i < LIMIT; i++) {
            try {
                add(i * 3 + 1);
            } catch (InterruptedException e) {
                return;
            }
        }
        System.out.println("done: " + count);
    }
}

)JAVA";

}  // namespace

std::string JavaText() {
    std::string text;
    char buffer[2048];
    for (int n = 0; text.size() < (1u << 20); ++n) {
        std::snprintf(buffer, sizeof buffer, Template, n, n, n, 100 + n, n);
        text += buffer;
    }
    return text;
}

std::vector<std::string> JavaLines() {
    std::vector<std::string> lines;
    std::string text = JavaText();
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    return lines;
}
